// dova-setup for Windows: the installer window, or with --silent or /S the console
// installer.
#include <windows.h>

#include <exception>
#include <string>

#include "Unit1.h"
#include "command_line.h"
#include "dll_hardening.h"
#include "silent_install.h"
#include "toolkit/application.h"

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
