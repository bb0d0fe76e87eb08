#include "text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts with iconv; nullopt on any byte or character the conversion refuses.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size();
  char* out = output.data();
  size_t out_left = output.size();
  const size_t result = iconv(cd, &in, &in_left, &out, &out_left);
  // Flush any shift state; also fails on an input that ends inside a character.
  const bool ok = result != static_cast<size_t>(-1) && in_left == 0 &&
                  iconv(cd, nullptr, nullptr, &out, &out_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace

std::optional<NativeString> native_from_cp936(std::string_view cp936) {
  return convert("UTF-8", "CP936", cp936);
}

std::optional<std::string> cp936_from_native(const NativeString& text) {
  return convert("CP936", "UTF-8", text);
}

std::string utf8_from_native(const NativeString& text) { return text; }

NativeString native_from_utf8(std::string_view utf8) { return NativeString(utf8); }
