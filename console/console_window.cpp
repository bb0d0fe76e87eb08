#include "console_window.h"

#include <algorithm>
#include <string>

#include "console_io.h"
#include "install_messages.h"

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ConsoleWindow::ConsoleWindow(NativeString path_text)
    : path_text_(std::move(path_text)), draw_progress_(is_terminal(stderr)) {}

void ConsoleWindow::show_gauge() {
  if (draw_progress_ && !bar_on_screen_) draw_bar();
}

void ConsoleWindow::set_gauge_position(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == percent_ && bar_on_screen_) return;
  percent_ = percent;
  if (draw_progress_ && bar_on_screen_) draw_bar();
}

void ConsoleWindow::draw_bar() {
  const int filled = percent_ * kBarWidth / 100;
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), ' ');
  line += "] " + std::to_string(percent_) + "%";
  write_text(stderr, line);
  bar_on_screen_ = true;
}

void ConsoleWindow::message_box(const std::string& text, const std::string& caption,
                                unsigned flags) {
  if (bar_on_screen_) write_text(stderr, "\n");
  bar_on_screen_ = false;
  draw_progress_ = false;  // the run is over; a bar after the message would only confuse
  if (flags == kMessageErrorIcon) {
    write_text(stderr, caption + ": " + text + "\n");
  } else {
    write_text(stdout, text + "\n");
  }
}
