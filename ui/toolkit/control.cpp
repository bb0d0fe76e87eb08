#include "control.h"

#include <exception>
#include <stdexcept>

#include "application.h"

namespace toolkit {

void fire(const Notify& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& error) {
    application().show_exception(error);
  }
}

WinControl::~WinControl() {
  if (handle_ != nullptr && IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

bool WinControl::visible() const { return handle_ != nullptr && IsWindowVisible(handle_); }

void WinControl::set_visible(bool visible) { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }

std::wstring WinControl::text() const {
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
  return text;
}

void WinControl::set_text(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

void WinControl::set_font(const FontStyle& font) {
  font_ = font;
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(make_font(font_, dpi_)), TRUE);
}

WinControl* WinControl::from_handle(HWND window) {
  return reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void WinControl::create(const wchar_t* class_name, const std::wstring& text, DWORD style,
                        DWORD ex_style, HWND parent, const Bounds& bounds, int id) {
  bounds_ = bounds;
  dpi_ = dpi_of(parent);
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  own_class_ = GetClassInfoExW(GetModuleHandleW(nullptr), class_name, &info) != 0 &&
               info.lpfnWndProc == &WinControl::window_procedure;
  const HMENU menu_or_id = (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  handle_ = CreateWindowExW(ex_style, class_name, text.c_str(), style, scaled(bounds.left),
                            scaled(bounds.top), width(), height(), parent, menu_or_id,
                            GetModuleHandleW(nullptr), own_class_ ? this : nullptr);
  if (handle_ == nullptr) throw std::runtime_error("CreateWindowEx failed");
  if (!own_class_) SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void WinControl::set_dpi(int dpi) {
  dpi_ = dpi;
  // A top-level window keeps its place; a child's is part of the layout.
  const bool child = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) != 0;
  SetWindowPos(handle_, nullptr, scaled(bounds_.left), scaled(bounds_.top), width(), height(),
               SWP_NOZORDER | SWP_NOACTIVATE | (child ? 0 : SWP_NOMOVE));
  if (font_.height > 0) set_font(font_);
  InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT WinControl::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(handle_, message, wparam, lparam);
}

LRESULT PaintedControl::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(handle(), &ps);
      paint(dc);
      EndPaint(handle(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wparam));
      return 0;
    default:
      return WinControl::handle_message(message, wparam, lparam);
  }
}

void WinControl::register_class(const wchar_t* class_name, UINT style, HBRUSH background) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), class_name, &info)) return;
  info.style = style;
  info.lpfnWndProc = &WinControl::window_procedure;
  info.hInstance = GetModuleHandleW(nullptr);
  info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  info.hbrBackground = background;
  info.lpszClassName = class_name;
  if (RegisterClassExW(&info) == 0) throw std::runtime_error("RegisterClassEx failed");
}

bool WinControl::reflect_command(WPARAM wparam, LPARAM lparam) {
  const HWND child = reinterpret_cast<HWND>(lparam);
  if (child == nullptr) return false;
  WinControl* control = from_handle(child);
  if (control == nullptr) return false;
  control->on_command(HIWORD(wparam));
  return true;
}

LRESULT CALLBACK WinControl::window_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    control->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  WinControl* control = from_handle(window);
  if (control == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return control->handle_message(message, wparam, lparam);
}

}  // namespace toolkit
