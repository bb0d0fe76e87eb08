// The application object: one per process. It owns the message loop and shows the
// program's modal message boxes on behalf of the main form.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace toolkit {

class Form;

class Application {
 public:
  void initialize();
  // The form whose closing ends the loop; message boxes are owned by it.
  void set_main_form(Form& form);
  Form* main_form() const { return main_form_; }
  // Called by a form as it goes, so nothing is owned by a window that is gone.
  void forget_form(const Form& form);

  // Shows the main form and runs the loop until it is closed; returns the exit code.
  int run();

  // Modal, owned by the main form (or by nobody before there is one); Unicode API.
  int message_box(const std::wstring& text, const std::wstring& caption, UINT flags);
  void show_exception(const std::exception& error);

 private:
  Form* main_form_ = nullptr;
};

Application& application();

}  // namespace toolkit
