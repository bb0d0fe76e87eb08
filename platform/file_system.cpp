#include "file_system.h"

#include "file_io.h"

std::FILE* FileSystem::create_file(const NativeString& path) {
  std::FILE* file = open_file(path, "wb");
  // Unbuffered: each write is a whole copy-buffer piece, which a stream buffer would
  // only copy once more and split into two system calls.
  if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

std::size_t FileSystem::write(std::FILE* file, const void* data, std::size_t size) {
  return std::fwrite(data, 1, size, file);
}

bool FileSystem::close(std::FILE* file) { return std::fclose(file) == 0; }

bool FileSystem::remove_file(const NativeString& path) { return remove_path(path); }
