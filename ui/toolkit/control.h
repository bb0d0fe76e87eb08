// The base of every component: a place on its parent and, for windowed components, the
// window that carries it. A windowed component keeps `this` in its window's user data,
// so a parent can hand a child's notifications back to the object that made it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "dpi.h"
#include "font.h"

namespace toolkit {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

using Notify = std::function<void()>;

// Runs an event handler; an exception it lets escape is shown and the loop carries on.
void fire(const Notify& handler);

class WinControl {
 public:
  WinControl() = default;
  WinControl(const WinControl&) = delete;
  WinControl& operator=(const WinControl&) = delete;
  virtual ~WinControl();

  HWND handle() const { return handle_; }
  // Place and size at 96 DPI, as designed.
  const Bounds& bounds() const { return bounds_; }
  // The DPI the component is shown at, and a design size at that DPI.
  int dpi() const { return dpi_; }
  int scaled(int value) const { return scale(value, dpi_); }
  // Width and height on the screen.
  int width() const { return scaled(bounds_.width); }
  int height() const { return scaled(bounds_.height); }

  // Shows the component at `dpi`: scaled place, size and font.
  virtual void set_dpi(int dpi);

  bool visible() const;
  void set_visible(bool visible);
  std::wstring text() const;
  void set_text(const std::wstring& text);
  // The font of a standard control, kept at the component's DPI.
  void set_font(const FontStyle& font);

  // A notification (WM_COMMAND) that a standard control sent to its parent.
  virtual void on_command(WORD /*code*/) {}

  // The object behind a window made by this toolkit, or nullptr.
  static WinControl* from_handle(HWND window);

 protected:
  // Creates the window at the parent's DPI (a top-level window: the system's); for our
  // own classes `this` is attached at WM_NCCREATE.
  void create(const wchar_t* class_name, const std::wstring& text, DWORD style, DWORD ex_style,
              HWND parent, const Bounds& bounds, int id);

  // Our own window classes handle messages here; the default passes them on.
  virtual LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  // Registers a class of ours once per process; its window procedure calls handle_message.
  static void register_class(const wchar_t* class_name, UINT style, HBRUSH background);

  // Hands WM_COMMAND from a child control back to that control's object.
  static bool reflect_command(WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  Bounds bounds_;
  int dpi_ = kDesignDpi;
  FontStyle font_;
  bool own_class_ = false;
};

// A component of our own window class that draws itself whole: one paint function
// serves the screen, WM_PRINTCLIENT and memory bitmaps, and with no background erase
// it does not flicker.
class PaintedControl : public WinControl {
 public:
  // The whole client area, into any DC of at least the component's size.
  virtual void paint(HDC dc) const = 0;

 protected:
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace toolkit
