#include "dll_hardening.h"

#include <windows.h>

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif
#ifndef BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE
#define BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE 0x00000001
#endif
#ifndef BASE_SEARCH_PATH_PERMANENT
#define BASE_SEARCH_PATH_PERMANENT 0x00008000
#endif

// kernel32 is mapped into every process, so looking it up loads nothing.
template <typename Call>
Call kernel32_call(const char* name) {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

}  // namespace

bool harden_dll_search() {
  // SearchPath looks in the system directories before the current one (XP SP2 on).
  using SetSearchPathModeCall = BOOL(WINAPI*)(DWORD);
  const auto set_mode = kernel32_call<SetSearchPathModeCall>("SetSearchPathMode");
  if (set_mode != nullptr) {
    set_mode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
  }

  // Windows 8 and later, and 7 with KB2533623.
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  const auto set_default = kernel32_call<SetDefaultDllDirectoriesCall>("SetDefaultDllDirectories");
  if (set_default != nullptr && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;

  // Older systems: at least no DLLs from the current directory, which is the download
  // folder as often as not.
  SetDllDirectoryW(L"");
  return false;
}
