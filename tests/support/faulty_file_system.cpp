#include "faulty_file_system.h"

#include <algorithm>

int FaultyFileSystem::count(Call call) const {
  return static_cast<int>(
      std::count_if(log.begin(), log.end(), [call](const Entry& entry) { return entry.call == call; }));
}

bool FaultyFileSystem::record(Call call, const NativeString& path) {
  log.push_back({call, path});
  return faults_.count({call, count(call)}) != 0;
}

bool FaultyFileSystem::create_directory(const NativeString& path) {
  return !record(Call::kCreateDirectory, path) && real_.create_directory(path);
}

bool FaultyFileSystem::is_directory(const NativeString& path) {
  return !record(Call::kIsDirectory, path) && real_.is_directory(path);
}

std::FILE* FaultyFileSystem::create_file(const NativeString& path) {
  if (record(Call::kCreateFile, path)) return nullptr;
  std::FILE* file = real_.create_file(path);
  if (file != nullptr) open_files_[file] = path;
  return file;
}

std::size_t FaultyFileSystem::write(std::FILE* file, const void* data, std::size_t size) {
  if (record(Call::kWrite, open_files_[file])) return real_.write(file, data, size / 2);
  return real_.write(file, data, size);
}

bool FaultyFileSystem::close(std::FILE* file) {
  const bool failing = record(Call::kClose, open_files_[file]);
  open_files_.erase(file);
  const bool closed = real_.close(file);
  return !failing && closed;
}

bool FaultyFileSystem::remove_file(const NativeString& path) {
  return !record(Call::kRemoveFile, path) && real_.remove_file(path);
}

const char* call_name(FaultyFileSystem::Call call) {
  switch (call) {
    case FaultyFileSystem::Call::kIsDirectory: return "is_directory";
    case FaultyFileSystem::Call::kCreateDirectory: return "create_directory";
    case FaultyFileSystem::Call::kCreateFile: return "create_file";
    case FaultyFileSystem::Call::kWrite: return "write";
    case FaultyFileSystem::Call::kClose: return "close";
    case FaultyFileSystem::Call::kRemoveFile: return "remove_file";
  }
  return "?";
}
