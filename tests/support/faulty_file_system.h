// The real file system behind a log of every call, with chosen calls made to fail, so
// that a test can break an installation at any single point and see what is left.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "file_system.h"

class FaultyFileSystem : public FileSystem {
 public:
  enum class Call { kIsDirectory, kCreateDirectory, kCreateFile, kWrite, kClose, kRemoveFile };

  struct Entry {
    Call call;
    NativeString path;  // for write and close, the path the file was created with
  };

  explicit FaultyFileSystem(FileSystem& real = system_file_system()) : real_(real) {}

  // Makes the occurrence-th call (from 1) of this kind fail. A failed write stores the
  // first half of its bytes, as a disk does that fills up; a failed close still
  // releases the file; the other calls fail without touching the disk.
  void fail(Call call, int occurrence) { faults_.insert({call, occurrence}); }

  int count(Call call) const;

  bool create_directory(const NativeString& path) override;
  bool is_directory(const NativeString& path) override;
  NativeString short_path(const NativeString& directory) override { return real_.short_path(directory); }
  std::FILE* create_file(const NativeString& path) override;
  std::size_t write(std::FILE* file, const void* data, std::size_t size) override;
  bool close(std::FILE* file) override;
  bool remove_file(const NativeString& path) override;
  std::size_t max_path_length() const override { return limit; }

  std::size_t limit = system_file_system().max_path_length();
  std::vector<Entry> log;

 private:
  // Logs the call and says whether it is one to fail.
  bool record(Call call, const NativeString& path);

  FileSystem& real_;
  std::set<std::pair<Call, int>> faults_;
  std::map<std::FILE*, NativeString> open_files_;
};

const char* call_name(FaultyFileSystem::Call call);
