// Setup archives for tests, built in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct FixtureRecord {
  std::string name;  // UTF-8; stored in code page 936
  std::string data;
};

// The code page 936 bytes of UTF-8 text; fails the test when it does not convert.
std::string cp936_of(std::string_view utf8);

std::string make_archive(const std::vector<FixtureRecord>& records);
