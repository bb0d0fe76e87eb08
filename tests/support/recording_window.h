// A stand-in for the installer window that records everything the install procedure
// asks of it.
#pragma once

#include <string>
#include <vector>

#include "install_window.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

class RecordingWindow final : public InstallWindow {
 public:
  explicit RecordingWindow(NativeString path_text = {}) : path(std::move(path_text)) {}

  NativeString path_text() const override { return path; }
  void show_gauge() override { gauge_shown = true; }
  void set_gauge_position(int percent) override { gauge.push_back(percent); }
  void message_box(const std::string& text, const std::string& caption, unsigned flags) override {
    messages.push_back({text, caption, flags});
  }
  void close_main_window() override { closed = true; }

  NativeString path;
  bool gauge_shown = false;
  std::vector<int> gauge;
  std::vector<ShownMessage> messages;
  bool closed = false;
};
