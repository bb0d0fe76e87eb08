#include "console_io.h"

#include <unistd.h>

#include <string>

bool is_terminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

void write_text(std::FILE* stream, std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
  std::fflush(stream);
}

std::optional<NativeString> read_line() {
  std::string line;
  int c = 0;
  while ((c = std::getchar()) != EOF && c != '\n') line.push_back(static_cast<char>(c));
  if (c == EOF && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}
