// Paths and file names in the platform's own string form: UTF-16 for the wide-character
// Win32 API, UTF-8 bytes on POSIX. A path never passes through a legacy code page, so a
// double-byte character's trail byte can never be taken for a separator.
#pragma once

#include <string>

#ifdef _WIN32
using NativeChar = wchar_t;
#define NATIVE_TEXT(s) L##s
#else
using NativeChar = char;
#define NATIVE_TEXT(s) s
#endif

using NativeString = std::basic_string<NativeChar>;
