// What one run of the install procedure came to. Failures are values: the procedure
// returns one, and the front end decides how to tell the user.
#pragma once

#include <cstddef>
#include <string>

#include "native_string.h"
#include "record_name.h"

enum class InstallStatus {
  kInstalled,
  kArchiveMissing,      // the setup archive cannot be opened
  kTargetMissing,       // the path text names a directory that does not exist
  kDirectoryFailed,     // "DINC" or its "BAK" cannot be created
  kPathTooLong,         // a record's output path is longer than the system or we allow
  kFileCreateFailed,    // a record's output file cannot be created
  kWriteFailed,         // a write or the closing flush fell short (disk full, ...)
  kArchiveDamaged,      // see ArchiveDamage
  kArchiveReadFailed,   // the system reported a read error on the archive
};

enum class ArchiveDamage {
  kNone,
  kLengthCut,  // the archive ends inside a length field
  kDataCut,    // the archive ends inside a record's data
  kBadName,    // see name_problem
};

// What became of the file that was being written when a record failed.
enum class PartialFile { kNone, kRemoved, kLeft };

struct InstallOutcome {
  InstallStatus status = InstallStatus::kInstalled;
  ArchiveDamage damage = ArchiveDamage::kNone;
  NameProblem name_problem = NameProblem::kNone;
  std::size_t records_installed = 0;  // complete files written, in archive order
  std::size_t record_index = 0;       // the record a failure concerns, from 0
  std::string record_name;            // its name in UTF-8, where it converts
  NativeString path;                  // the file or directory a failure concerns
  PartialFile partial_file = PartialFile::kNone;

  bool installed() const { return status == InstallStatus::kInstalled; }
};
