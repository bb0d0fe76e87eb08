#include "text_encoding.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage936 = 936;

std::optional<std::wstring> widen(UINT code_page, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int count = MultiByteToWideChar(code_page, flags, bytes.data(), size, nullptr, 0);
  if (count <= 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(code_page, flags, bytes.data(), size, text.data(), count);
  return text;
}

}  // namespace

std::optional<NativeString> native_from_cp936(std::string_view cp936) {
  return widen(kCodePage936, MB_ERR_INVALID_CHARS, cp936);
}

std::optional<std::string> cp936_from_native(const NativeString& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  BOOL used_default = FALSE;
  // No best fit: a character without an exact 936 form must be refused, not
  // silently turned into a look-alike (or into "?").
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  const int count = WideCharToMultiByte(kCodePage936, flags, text.data(), size, nullptr, 0,
                                        nullptr, &used_default);
  if (count <= 0 || used_default) return std::nullopt;
  std::string bytes(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(kCodePage936, flags, text.data(), size, bytes.data(), count, nullptr,
                      &used_default);
  // A round trip catches what WideCharToMultiByte lets through (unpaired surrogates).
  if (used_default || native_from_cp936(bytes) != text) return std::nullopt;
  return bytes;
}

std::string utf8_from_native(const NativeString& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int count = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (count <= 0) return std::string();
  std::string bytes(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), count, nullptr, nullptr);
  return bytes;
}

NativeString native_from_utf8(std::string_view utf8) {
  return widen(CP_UTF8, 0, utf8).value_or(std::wstring());
}
