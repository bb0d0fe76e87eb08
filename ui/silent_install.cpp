#include "silent_install.h"

#include <windows.h>

#include <cstdio>

#include "console_front_end.h"

namespace {

// A handle that was handed to us (pipe, file or console) and still works.
bool usable(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A GUI program gets no console of its own; output that was not redirected goes to the
// parent's console. Without one it goes nowhere, and only the exit code tells.
void connect_output_streams() {
  const bool output_ready = usable(STD_OUTPUT_HANDLE);
  const bool errors_ready = usable(STD_ERROR_HANDLE);
  if (output_ready && errors_ready) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  // The console output is written through the stream's own handle (see console_io.h),
  // so reopening the stream is all it takes.
  if (!output_ready) std::freopen("CONOUT$", "w", stdout);
  if (!errors_ready) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

bool wants_silent_install(const std::vector<NativeString>& arguments) {
  for (const NativeString& argument : arguments) {
    if (argument == L"--") return false;  // what follows is a path
    if (argument == L"--silent") return true;
  }
  return false;
}

int run_silent_install(const std::vector<NativeString>& arguments) {
  connect_output_streams();
  const int code = run_console_installer(arguments);
  std::fflush(stdout);
  std::fflush(stderr);
  return code;
}
