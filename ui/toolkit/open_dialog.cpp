#include "open_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace toolkit {

std::wstring dialog_filter(const std::wstring& entries) {
  std::wstring result = entries;
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

bool OpenDialog::execute(HWND owner) {
  // Long paths fit; the dialog never writes past nMaxFile.
  std::vector<wchar_t> name(32768, L'\0');
  file_name.copy(name.data(), std::min(file_name.size(), name.size() - 1));
  const std::wstring filters = dialog_filter(filter);

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filters.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
  request.Flags = options | OFN_EXPLORER;

  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring directory(length, L'\0');
  directory.resize(GetCurrentDirectoryW(length, directory.data()));
  const bool chosen = GetOpenFileNameW(&request) != FALSE;
  if (!directory.empty()) SetCurrentDirectoryW(directory.c_str());

  if (chosen) file_name = name.data();
  return chosen;
}

}  // namespace toolkit
