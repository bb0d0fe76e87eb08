#include "file_io.h"

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

std::FILE* open_file(const NativeString& path, const char* mode) {
  const std::string narrow(mode);
  return _wfopen(path.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

std::optional<std::uint64_t> file_size(std::FILE* file) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  LARGE_INTEGER size{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool replace_file(const NativeString& from, const NativeString& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool remove_path(const NativeString& path) { return DeleteFileW(path.c_str()) != 0; }
