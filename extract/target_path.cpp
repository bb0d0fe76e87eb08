#include "target_path.h"

namespace {

// Length of the directory part: just past the last separator, 0 when there is none.
NativeString::size_type directory_length(const NativeString& path_text) {
  for (auto i = path_text.size(); i > 0; --i) {
    if (is_path_separator(path_text[i - 1])) return i;
  }
  return 0;
}

}  // namespace

NativeString target_directory(const NativeString& path_text) {
  return path_text.substr(0, directory_length(path_text));
}

NativeString file_name_part(const NativeString& path_text) {
  return path_text.substr(directory_length(path_text));
}
