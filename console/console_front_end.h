// The installer as a console program: dova-setup [--silent] [PATH-OF-A51.EXE], run in
// the directory that holds DUVOVAV.DAT.
#pragma once

#include <vector>

#include "native_string.h"

enum ExitCode : int {
  kExitInstalled = 0,
  kExitArchiveMissing = 1,
  kExitFailed = 2,
  kExitUsage = 64,
};

// Runs the console installer with the arguments after the program name.
int run_console_installer(const std::vector<NativeString>& arguments);
