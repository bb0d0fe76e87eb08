// A top-level form without border or caption, sized to its content and centred on the
// screen when first shown. Tab and Shift+Tab move through its tab stops.
#pragma once

#include "control.h"

namespace toolkit {

class Form : public WinControl {
 public:
  // `class_name` names the window class, so tools can find the form by it.
  Form(const wchar_t* class_name, const std::wstring& caption, int client_width, int client_height);
  ~Form() override;

  void show();
  // Scales the form and every component on it to `dpi`.
  void set_dpi(int dpi) override;
  // Closes the form once the running handler has returned.
  void close();
  void set_ends_application(bool ends) { ends_application_ = ends; }
  // The icon of the program's resources by `id`, for the taskbar and Alt+Tab; none
  // when the program has no such icon.
  void set_icon(int id);

 protected:
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void centre_on_screen();

  bool shown_before_ = false;
  bool ends_application_ = false;
  HWND focus_ = nullptr;
};

}  // namespace toolkit
