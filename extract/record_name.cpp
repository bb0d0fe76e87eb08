#include "record_name.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "text_encoding.h"

namespace {

bool is_name_separator(NativeChar c) {
  return c == NATIVE_TEXT('\\') || c == NATIVE_TEXT('/') || c == NATIVE_TEXT(':');
}

// Windows refuses these in any file name, so an archive that holds them cannot install
// there; they are refused everywhere, so that an archive judged sound is sound on every
// system.
bool is_forbidden_character(NativeChar c) {
  return static_cast<unsigned long>(c) < 0x20 || c == NATIVE_TEXT('<') || c == NATIVE_TEXT('>') ||
         c == NATIVE_TEXT('"') || c == NATIVE_TEXT('|') || c == NATIVE_TEXT('?') ||
         c == NATIVE_TEXT('*');
}

char ascii_upper(NativeChar c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
}

// Windows opens a device for these whatever follows the first dot, and ignores
// trailing spaces before it: "nul.txt" and "CON .x" are devices too.
bool is_device_name(const NativeString& name) {
  static constexpr std::array<std::string_view, 7> kPlain = {"CON",    "PRN",     "AUX",   "NUL",
                                                             "CONIN$", "CONOUT$", "CLOCK$"};
  auto end = std::find(name.begin(), name.end(), NATIVE_TEXT('.'));
  while (end != name.begin() && *(end - 1) == NATIVE_TEXT(' ')) --end;
  std::string stem;
  for (auto it = name.begin(); it != end; ++it) {
    if ((*it & ~0x7F) != 0) return false;  // not ASCII
    stem.push_back(ascii_upper(*it));
  }
  if (stem.empty()) return false;
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

JudgedName judge_record_name(std::string_view cp936_name) {
  JudgedName judged;
  if (cp936_name.empty()) {
    judged.problem = NameProblem::kEmpty;
    return judged;
  }
  // Converted first, so that a double-byte character whose trail byte is 0x5C ("\")
  // is judged as the one character it is.
  std::optional<NativeString> native = native_from_cp936(cp936_name);
  if (!native) {
    judged.problem = NameProblem::kNotCodePage936;
    return judged;
  }
  judged.native = std::move(*native);
  const NativeString& name = judged.native;
  if (std::any_of(name.begin(), name.end(), is_name_separator)) {
    judged.problem = NameProblem::kSeparator;
  } else if (std::any_of(name.begin(), name.end(), is_forbidden_character)) {
    judged.problem = NameProblem::kForbiddenCharacter;
  } else if (name.find_first_not_of(NATIVE_TEXT(". ")) == NativeString::npos) {
    // Windows drops trailing dots and spaces, so ".. " would be the parent directory.
    judged.problem = NameProblem::kDotsOnly;
  } else if (is_device_name(name)) {
    judged.problem = NameProblem::kDeviceName;
  }
  return judged;
}
