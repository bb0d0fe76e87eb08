// The program's arguments as native strings, without the program's own name. On
// Windows they are read as Unicode from the command line, whatever the code page.
#pragma once

#include <vector>

#include "native_string.h"

std::vector<NativeString> command_line_arguments(int argc, char** argv);
