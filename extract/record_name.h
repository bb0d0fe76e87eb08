// A record's name becomes the last part of an output path, so it is judged before any
// file is created for it: it must be one plain file name that cannot reach outside the
// directory it is joined to, on any system.
#pragma once

#include <optional>
#include <string_view>

#include "native_string.h"

inline constexpr std::size_t kMaxNameBytes = 17;  // the 18-byte field keeps its zero byte

enum class NameProblem {
  kNone,
  kUnterminated,    // no zero byte in the 18-byte field
  kEmpty,
  kNotCodePage936,  // bytes that are not valid code page 936
  kSeparator,       // holds "\", "/" or ":"
  kForbiddenCharacter,  // < > " | ? * or a control character: no Windows file has them
  kDotsOnly,        // ".", "..", ". " and the like name a directory, not a file
  kDeviceName,      // CON, NUL, COM1 ... open a device on Windows, with any extension
};

struct JudgedName {
  NameProblem problem = NameProblem::kNone;
  NativeString native;  // the name converted from code page 936, when it converts
};

JudgedName judge_record_name(std::string_view cp936_name);
