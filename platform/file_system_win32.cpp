#include <windows.h>

#include <cstdio>

#include "file_system.h"

namespace {

class Win32FileSystem final : public FileSystem {
 public:
  bool create_directory(const NativeString& path) override {
    return CreateDirectoryW(path.c_str(), nullptr) != 0 || is_directory(path);
  }

  bool is_directory(const NativeString& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  NativeString short_path(const NativeString& directory) override {
    const DWORD needed = GetShortPathNameW(directory.c_str(), nullptr, 0);
    if (needed == 0) return directory;
    std::wstring result(needed, L'\0');
    const DWORD length = GetShortPathNameW(directory.c_str(), result.data(), needed);
    if (length == 0 || length >= needed) return directory;
    result.resize(length);
    return result;
  }

  // Without the long-path prefix the C runtime refuses anything from MAX_PATH on.
  std::size_t max_path_length() const override { return MAX_PATH - 1; }
};

}  // namespace

FileSystem& system_file_system() {
  static Win32FileSystem instance;
  return instance;
}
