// What the install procedure borrows from the window that runs it. The installer
// window, the console front end and the tests each provide their own.
#pragma once

#include <string>

#include "native_string.h"

class InstallWindow {
 public:
  virtual ~InstallWindow() = default;

  virtual NativeString path_text() const = 0;
  virtual void show_gauge() = 0;
  // A percentage; the gauge clamps it to 0..100 and repaints at once when it changes.
  virtual void set_gauge_position(int percent) = 0;
  // Modal; returns when the user has dismissed it. Texts are UTF-8.
  virtual void message_box(const std::string& text, const std::string& caption, unsigned flags) = 0;
  virtual void close_main_window() = 0;
};
