// dova-window-driver: runs dova-setup.exe and works its window step by step, printing
// what it reads, one line per step (UTF-8).
//
//   dova-window-driver PROGRAM DIRECTORY [STEP...] [-- ARGUMENT...]
//
// Steps: --shot FILE.bmp   --path   --set-path TEXT   --click cancel|continue|browse
//        --box (prints "caption|text" and presses OK)   --gauge   --pause MILLISECONDS
//        --exit (prints the code)
// Exit code: 0 when every step worked, 1 when one failed (the program is then ended).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "window_driver.h"

namespace {

void print(const std::wstring& line) {
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

bool fail(const std::wstring& why) {
  print(L"error: " + why);
  return false;
}

HWND button_named(const SetupProcess& setup, const std::wstring& name) {
  if (name == L"cancel") return setup.push_button(L"取消");
  if (name == L"continue") return setup.push_button(L"继续");
  if (name == L"browse") return setup.browse_button();
  return nullptr;
}

bool run_step(const SetupProcess& setup, const std::wstring& step, const std::wstring& value) {
  if (step == L"--shot") {
    const auto shot = setup.capture(setup.main_window());
    if (!shot || !shot->save_bmp(value)) return fail(L"cannot capture the window into " + value);
    print(L"shot " + value);
  } else if (step == L"--path") {
    const auto text = setup.path_text();
    if (!text) return fail(L"no path field");
    print(*text);
  } else if (step == L"--set-path") {
    if (!setup.set_path_text(value)) return fail(L"cannot set the path text");
  } else if (step == L"--click") {
    if (!setup.click(button_named(setup, value))) return fail(L"no button " + value);
  } else if (step == L"--box") {
    const auto box = setup.wait_for_message_box();
    if (!box) return fail(L"no message box");
    print(box->caption + L"|" + box->text);
    if (!setup.press_dialog_button(box->window, IDOK) || !setup.wait_until_gone(box->window)) {
      return fail(L"cannot dismiss the message box");
    }
  } else if (step == L"--gauge") {
    const GaugeView gauge = setup.read_gauge();
    print(std::wstring(gauge.visible ? L"shown " : L"hidden ") + gauge.text);
  } else if (step == L"--pause") {
    Sleep(static_cast<DWORD>(_wtoi(value.c_str())));
  } else if (step == L"--exit") {
    const auto code = setup.wait_for_exit();
    if (!code) return fail(L"the program did not end");
    print(L"exit " + std::to_wstring(*code));
  } else {
    return fail(L"unknown step " + step);
  }
  return true;
}

bool takes_value(const std::wstring& step) {
  return step == L"--shot" || step == L"--set-path" || step == L"--click" || step == L"--pause";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    print(L"usage: dova-window-driver PROGRAM DIRECTORY [STEP...] [-- ARGUMENT...]");
    return 64;
  }
  std::vector<std::pair<std::wstring, std::wstring>> steps;
  std::vector<std::wstring> arguments;
  for (int i = 3; i < argc; ++i) {
    const std::wstring word = argv[i];
    if (word == L"--") {
      arguments.assign(argv + i + 1, argv + argc);
      break;
    }
    const bool valued = takes_value(word) && i + 1 < argc;
    steps.emplace_back(word, valued ? argv[++i] : L"");
  }

  const auto setup = SetupProcess::start(argv[1], arguments, argv[2]);
  if (!setup) return fail(L"cannot start " + std::wstring(argv[1])), 1;
  if (setup->main_window() == nullptr) return fail(L"no window"), 1;
  for (const auto& [step, value] : steps) {
    if (!run_step(*setup, step, value)) return 1;
  }
  return 0;
}
