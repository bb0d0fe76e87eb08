// dova-setup for Windows: the installer window, or with --silent the console installer.
#include <windows.h>

#include <exception>
#include <string>

#include "Unit1.h"
#include "command_line.h"
#include "silent_install.h"
#include "toolkit/application.h"

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// DLLs come from the system directory only, never from the download folder that a
// setup program is so often started from. Older systems lack the call: then as before.
void harden_dll_search() {
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return;
  const auto call = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (call != nullptr) call(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  harden_dll_search();
  const std::vector<NativeString> arguments = command_line_arguments(0, nullptr);
  if (wants_silent_install(arguments)) return run_silent_install(arguments);

  toolkit::Application& application = toolkit::application();
  try {
    application.initialize();
    TForm1 form(arguments.empty() ? std::wstring() : arguments.front());
    Form1 = &form;
    application.set_main_form(form);
    const int code = application.run();
    Form1 = nullptr;
    return code;
  } catch (const std::exception& error) {
    Form1 = nullptr;
    application.show_exception(error);
    return 1;
  }
}
