// Reads what a test needs from a built Windows program: the DLLs it imports. Parses
// the file itself, so it works on any build of the program, native tools or not.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The names of the DLLs in the import table, as stored; nullopt when the file is not a
// well-formed PE image.
std::optional<std::vector<std::string>> imported_dlls(const std::filesystem::path& exe);
