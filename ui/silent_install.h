// --silent: the window program installs like the console program, without a window,
// and with the console program's exit codes.
#pragma once

#include <vector>

#include "native_string.h"

bool wants_silent_install(const std::vector<NativeString>& arguments);

// Connects the standard streams to the console of the program that started us, if it
// has one and they are not redirected already, then runs the console installer.
int run_silent_install(const std::vector<NativeString>& arguments);
