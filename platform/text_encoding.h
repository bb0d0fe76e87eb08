// Conversions between the encodings the installer meets: record names stored in code
// page 936, native strings (see native_string.h) and UTF-8 for messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "native_string.h"

// Strict: nullopt when the bytes are not valid code page 936.
std::optional<NativeString> native_from_cp936(std::string_view cp936);

// nullopt when a character has no code page 936 form.
std::optional<std::string> cp936_from_native(const NativeString& text);

// Invalid input is replaced, never refused: these only feed messages and arguments.
std::string utf8_from_native(const NativeString& text);
NativeString native_from_utf8(std::string_view utf8);
