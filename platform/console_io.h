// The console as the command-line front ends use it: Chinese text shows correctly on a
// terminal whatever its code page.
#pragma once

#include <cstdio>
#include <optional>
#include <string_view>

#include "native_string.h"

bool is_terminal(std::FILE* stream);

// Writes UTF-8 text: through the Unicode console API on a Windows console, as UTF-8
// bytes everywhere else (pipes, files, POSIX terminals).
void write_text(std::FILE* stream, std::string_view utf8);

// One line of input without its line end; nullopt at the end of input.
std::optional<NativeString> read_line();
