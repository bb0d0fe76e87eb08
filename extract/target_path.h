// The target directory is the path text up to and including its last separator; the
// file-name part is what follows. With no separator the target is empty, meaning the
// current directory. Path texts are native strings, so every character is whole.
#pragma once

#include "native_string.h"

#ifdef _WIN32
inline constexpr NativeChar kDirectorySeparator = L'\\';
// Windows also takes "/" between directories and ":" after a drive.
inline bool is_path_separator(NativeChar c) { return c == L'\\' || c == L'/' || c == L':'; }
#else
inline constexpr NativeChar kDirectorySeparator = '/';
inline bool is_path_separator(NativeChar c) { return c == '/'; }
#endif

NativeString target_directory(const NativeString& path_text);
NativeString file_name_part(const NativeString& path_text);
