// Runs one of our built programs as a child process, for end-to-end tests of the
// command-line front ends. On Windows (under Wine too) it starts the .exe directly.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "native_string.h"

struct ProgramResult {
  int exit_code = -1;
  std::string out;  // stdout, lines ending in LF
  std::string err;  // stderr, likewise
};

// The directory holding the test programs; the tools are built beside them.
std::filesystem::path program_directory();

// Runs program (a name in program_directory(), without ".exe") in working_directory,
// with stdin empty and not a terminal.
ProgramResult run_program(const std::string& program, const std::vector<NativeString>& arguments,
                          const std::filesystem::path& working_directory);
