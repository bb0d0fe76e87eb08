// --silent (or /S, as administrators' deployment tools pass it): the window program
// installs like the console program, without a window, and with the console
// program's exit codes. --help and --version are the console program's too.
#pragma once

#include <vector>

#include "native_string.h"

// True when the arguments ask for the console installer rather than the window.
bool wants_silent_install(const std::vector<NativeString>& arguments);

// Connects the standard streams to the console of the program that started us, if it
// has one and they are not redirected already, then runs the console installer. No
// window or message box appears, whatever happens: a failure is an exit code and a
// line on stderr.
int run_silent_install(const std::vector<NativeString>& arguments);
