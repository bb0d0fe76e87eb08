// Plain file access by native path, for the archive reader and the packer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

#include "native_string.h"

// std::fopen with a native path; mode as for fopen ("rb", "wb").
std::FILE* open_file(const NativeString& path, const char* mode);

// The size of an open file; nullopt when the system cannot tell (a pipe, say).
std::optional<std::uint64_t> file_size(std::FILE* file);

// Renames from over to, replacing to if it exists.
bool replace_file(const NativeString& from, const NativeString& to);

bool remove_path(const NativeString& path);
