#include "application.h"

#include "form.h"
#include "text_encoding.h"

namespace toolkit {

Application& application() {
  static Application instance;
  return instance;
}

void Application::initialize() {
  // Nothing global to set up yet: window classes register themselves on first use.
}

void Application::set_main_form(Form& form) {
  main_form_ = &form;
  form.set_ends_application(true);
}

void Application::forget_form(const Form& form) {
  if (main_form_ == &form) main_form_ = nullptr;
}

int Application::run() {
  if (main_form_ == nullptr) return 0;
  main_form_->show();
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Dialog-style keys (Tab, Shift+Tab) move between the form's controls.
    const HWND form = main_form_ != nullptr ? main_form_->handle() : nullptr;
    if (form != nullptr && IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int Application::message_box(const std::wstring& text, const std::wstring& caption, UINT flags) {
  const HWND owner = main_form_ != nullptr ? main_form_->handle() : nullptr;
  return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void Application::show_exception(const std::exception& error) {
  message_box(native_from_utf8(error.what()), L"错误", MB_OK | MB_ICONERROR);
}

}  // namespace toolkit
