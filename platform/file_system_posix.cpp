#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "file_system.h"

namespace {

class PosixFileSystem final : public FileSystem {
 public:
  bool create_directory(const NativeString& path) override {
    return ::mkdir(path.c_str(), 0777) == 0 || is_directory(path);
  }

  bool is_directory(const NativeString& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  // POSIX file systems have no short names.
  NativeString short_path(const NativeString& directory) override { return directory; }

  std::size_t max_path_length() const override { return PATH_MAX - 1; }
};

}  // namespace

FileSystem& system_file_system() {
  static PosixFileSystem instance;
  return instance;
}
