// The few operating-system services that installing needs. The install procedure calls
// the system through nothing else, so a test can put a fake in its place and fail any
// single call.
#pragma once

#include <cstddef>
#include <cstdio>

#include "native_string.h"

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when the directory was created or already is a directory.
  virtual bool create_directory(const NativeString& path) = 0;
  virtual bool is_directory(const NativeString& path) = 0;
  // The short (8.3) form of an existing directory, keeping its trailing separator; the
  // path itself where the system reports no short form.
  virtual NativeString short_path(const NativeString& directory) = 0;

  // Creates or truncates a file for buffered binary writing; nullptr on failure.
  virtual std::FILE* create_file(const NativeString& path);
  // Returns how many bytes were written; fewer than size means failure.
  virtual std::size_t write(std::FILE* file, const void* data, std::size_t size);
  // Always releases the file; false when buffered data could not be written out.
  virtual bool close(std::FILE* file);
  virtual bool remove_file(const NativeString& path);

  // The longest path, in native code units, that file creation accepts.
  virtual std::size_t max_path_length() const = 0;
};

// The real system: the wide-character Win32 API on Windows, POSIX elsewhere.
FileSystem& system_file_system();
