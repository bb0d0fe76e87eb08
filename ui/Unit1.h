// The installer's one window: the blue installer panel that asks where A51.EXE is,
// browses for it, and installs (Continue) or quits (Cancel).
#pragma once

#include <string>

#include "install_window.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/gauge.h"
#include "toolkit/label.h"
#include "toolkit/open_dialog.h"
#include "toolkit/panel.h"
#include "toolkit/speed_button.h"

class TForm1 : public toolkit::Form, public InstallWindow {
 public:
  // `path_text` is the path field's first text: the first argument, or empty.
  explicit TForm1(const std::wstring& path_text);

  // Components, in tab and paint order.
  toolkit::Panel AnZhuang;
  toolkit::Label Label2;
  toolkit::Label Label4;
  toolkit::Label Label5;
  toolkit::Edit PathName;
  toolkit::SpeedButton SpeedButton1;
  toolkit::TCGauge JinDu;
  toolkit::Button Button4;
  toolkit::Button Button5;
  toolkit::OpenDialog OpenPath;

  // Handlers.
  void SpeedButton1Click();
  void Button2Click();
  void Button5Click();

  // What the install procedure borrows.
  NativeString path_text() const override;
  void show_gauge() override;
  void set_gauge_position(int percent) override;
  void message_box(const std::string& text, const std::string& caption, unsigned flags) override;
  void close_main_window() override;
};

extern TForm1* Form1;
