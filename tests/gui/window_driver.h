// Drives a running dova-setup.exe through window messages, as an automation tool or a
// screen reader would: finds its window by process, sets the path text, clicks, reads
// the message boxes and the gauge, and waits for the exit code. Every wait has a time
// limit; what cannot be found or read is an empty value, never an exception.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "argument_quoting.h"

struct MessageBoxView {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
};

// Where a control sits in the client area of the window that holds it.
struct Placement {
  std::wstring class_name;
  std::wstring text;
  RECT area{};
  LONG_PTR style = 0;
};

struct GaugeView {
  bool visible = false;
  std::wstring text;  // the percentage it shows, such as "15%"
};

// A screen capture: top-down rows of 0x00RRGGBB pixels.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  COLORREF at(int x, int y) const;
  bool save_bmp(const std::wstring& path) const;
};


class SetupProcess {
 public:
  static constexpr DWORD kPatience = 30000;  // ms; Wine can be slow to start

  // Starts the program; nullopt when it cannot be started.
  static std::optional<SetupProcess> start(const std::wstring& program,
                                           const std::vector<std::wstring>& arguments,
                                           const std::wstring& working_directory);
  SetupProcess(SetupProcess&& other) noexcept;
  SetupProcess& operator=(SetupProcess&&) = delete;
  // Ends the program if it is still running: a test that failed halfway leaves nothing.
  ~SetupProcess();

  DWORD process_id() const { return info_.dwProcessId; }
  bool running() const;

  // A visible top-level window of the program, of any class, right now; or nullptr.
  HWND any_window() const;
  // The visible main window (class TForm1), waiting for it to appear.
  HWND main_window(DWORD patience = kPatience) const;
  HWND path_field() const;
  HWND push_button(const std::wstring& caption) const;
  HWND browse_button() const;
  HWND gauge() const;

  // Every child window of the main window, in z-order (tab order for tab stops).
  std::vector<Placement> controls() const;

  std::optional<std::wstring> path_text() const;
  bool set_path_text(const std::wstring& text) const;
  // Posted, not sent: the click may run a modal loop that only returns once we act.
  bool click(HWND control) const;
  GaugeView read_gauge() const;
  // The control that has the keyboard focus in the program, or nullptr.
  HWND focused_control() const;
  // Waits until `control` has the focus; false when it does not get it in time.
  bool wait_for_focus(HWND control, DWORD patience = 3000) const;
  // A key press posted to the focused control, as the keyboard would deliver it.
  bool press_key(WORD virtual_key) const;

  // The next message box of the program (a dialog with no edit field).
  std::optional<MessageBoxView> wait_for_message_box(DWORD patience = kPatience) const;
  // The open-file dialog of the program.
  HWND wait_for_file_dialog(DWORD patience = kPatience) const;
  std::optional<std::wstring> file_dialog_name(HWND dialog) const;
  bool set_file_dialog_name(HWND dialog, const std::wstring& name) const;
  // Presses a dialog's button by its id (IDOK, IDCANCEL).
  bool press_dialog_button(HWND dialog, int id) const;
  // Waits for a window to be gone.
  bool wait_until_gone(HWND window, DWORD patience = kPatience) const;

  std::optional<DWORD> wait_for_exit(DWORD patience = kPatience) const;

  // The window as it is on the screen, once the program has finished painting; or,
  // with `settle` false, right now, even while the program is busy.
  std::optional<Capture> capture(HWND window, bool settle = true) const;

 private:
  explicit SetupProcess(const PROCESS_INFORMATION& info) : info_(info) {}

  // `class_name` nullptr: any class.
  HWND find_top_window(const wchar_t* class_name, bool (*accept)(HWND)) const;

  PROCESS_INFORMATION info_{};
};
