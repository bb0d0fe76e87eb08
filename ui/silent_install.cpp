#include "silent_install.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "console_front_end.h"
#include "console_io.h"

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

bool is_silent_switch(const NativeString& argument) {
  return argument == L"/S" || argument == L"/s";
}

}  // namespace

bool wants_silent_install(const std::vector<NativeString>& arguments) {
  for (const NativeString& argument : arguments) {
    if (argument == L"--") return false;  // what follows is a path
    if (argument == L"--silent" || is_silent_switch(argument)) return true;
    if (argument == L"--version" || argument == L"--help") return true;
  }
  return false;
}

int run_silent_install(const std::vector<NativeString>& arguments) {
  // No "insert a disk" box for an empty drive, no crash box: an unattended install
  // that waits on a dialog nobody sees is worse than one that fails.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
  connect_output_streams();

  // The console installer knows only --silent; /S is the same, up to the "--".
  std::vector<NativeString> console_arguments = arguments;
  for (NativeString& argument : console_arguments) {
    if (argument == L"--") break;
    if (is_silent_switch(argument)) argument = L"--silent";
  }
  int code = kExitFailed;
  try {
    code = run_console_installer(console_arguments);
  } catch (const std::exception& error) {
    write_text(stderr, std::string("dova-setup: ") + error.what() + "\n");
  } catch (...) {
    write_text(stderr, "dova-setup: unexpected failure\n");
  }
  std::fflush(stdout);
  std::fflush(stderr);
  return code;
}
