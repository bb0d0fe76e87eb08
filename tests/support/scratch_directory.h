// Test fixtures on real directories: a fresh scratch directory per test, made the
// current directory (the installer reads DUVOVAV.DAT from there) and removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

class ScratchDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const fs::path& scratch() const { return scratch_; }

 private:
  fs::path scratch_;
  fs::path previous_;
};

// A path from UTF-8 text, whatever the platform's native encoding.
fs::path utf8_path(std::string_view utf8);

void write_file(const fs::path& path, std::string_view bytes);
std::string read_file(const fs::path& path);

// Every file and directory below root, as sorted generic UTF-8 paths relative to root;
// directories end with "/".
std::string tree_of(const fs::path& root);
