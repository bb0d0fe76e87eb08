#include "file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

std::FILE* open_file(const NativeString& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::optional<std::uint64_t> file_size(std::FILE* file) {
  struct stat info {};
  if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

bool replace_file(const NativeString& from, const NativeString& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool remove_path(const NativeString& path) { return ::unlink(path.c_str()) == 0; }
