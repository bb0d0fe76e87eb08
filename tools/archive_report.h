// Reads a whole setup archive the way the installer would, judging every record, so a
// maintainer learns before shipping whether and where it is damaged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "native_string.h"

struct RecordReport {
  std::size_t index = 0;
  std::int32_t length = 0;
  std::string name_utf8;  // where the name converts
};

struct ArchiveReport {
  std::vector<RecordReport> records;  // the records read, the damaged one included
  std::string problem;                // UTF-8 message; empty when the archive is sound
  bool sound() const { return problem.empty(); }
};

ArchiveReport inspect_archive(const NativeString& archive);
