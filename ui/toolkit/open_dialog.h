// The open-file dialog. It always leaves the process's current directory as it found
// it: OFN_NOCHANGEDIR alone does not do that for GetOpenFileName.
#pragma once

#include <windows.h>

#include <string>

namespace toolkit {

class OpenDialog {
 public:
  // Entries as "shown text|pattern|shown text|pattern...".
  std::wstring filter;
  std::wstring initial_dir;
  std::wstring file_name;  // preset before, the chosen file's full path after
  DWORD options = 0;       // OFN_* flags; OFN_EXPLORER is always added

  // Modal. True when the user confirmed a file; false on cancel or failure.
  bool execute(HWND owner);
};

// "a|b|c|d" as the dialog wants it: "a\0b\0c\0d\0\0".
std::wstring dialog_filter(const std::wstring& entries);

}  // namespace toolkit
