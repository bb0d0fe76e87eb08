// The install procedure's window services on a console: the gauge is a one-line
// progress bar on stderr (only when stderr is a terminal), messages are printed.
#pragma once

#include "install_window.h"

class ConsoleWindow final : public InstallWindow {
 public:
  explicit ConsoleWindow(NativeString path_text);

  NativeString path_text() const override { return path_text_; }
  void show_gauge() override;
  void set_gauge_position(int percent) override;
  void message_box(const std::string& text, const std::string& caption, unsigned flags) override;
  void close_main_window() override {}

 private:
  void draw_bar();

  NativeString path_text_;
  bool draw_progress_;
  bool bar_on_screen_ = false;
  int percent_ = 0;
};
