#include "console_io.h"

#include <io.h>
#include <windows.h>

#include <string>

#include "text_encoding.h"

namespace {

HANDLE handle_of(std::FILE* stream) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

bool is_terminal(std::FILE* stream) { return is_console(handle_of(stream)); }

void write_text(std::FILE* stream, std::string_view utf8) {
  const HANDLE handle = handle_of(stream);
  if (!is_console(handle)) {
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fflush(stream);
    return;
  }
  std::fflush(stream);
  const std::wstring text = native_from_utf8(utf8);
  DWORD written = 0;
  WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::optional<NativeString> read_line() {
  const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring line;
  if (is_console(handle)) {
    wchar_t c = 0;
    DWORD count = 0;
    while (ReadConsoleW(handle, &c, 1, &count, nullptr) && count == 1 && c != L'\n') line.push_back(c);
    if (count == 0 && line.empty()) return std::nullopt;
  } else {
    std::string bytes;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n') bytes.push_back(static_cast<char>(c));
    if (c == EOF && bytes.empty()) return std::nullopt;
    line = native_from_utf8(bytes);
  }
  if (!line.empty() && line.back() == L'\r') line.pop_back();
  return line;
}
