#include "form.h"

#include "application.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace toolkit {

namespace {

BOOL CALLBACK note_first_tab_stop(HWND window, LPARAM data) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if ((style & WS_TABSTOP) == 0 || (style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

BOOL CALLBACK rescale_child(HWND window, LPARAM dpi) {
  // Every descendant: the components on panels too. Windows not of ours have no object.
  if (WinControl* control = WinControl::from_handle(window)) control->set_dpi(static_cast<int>(dpi));
  return TRUE;
}

// The first control in tab order, however deep in panels it lies.
HWND first_tab_stop(HWND form) {
  HWND found = nullptr;
  EnumChildWindows(form, note_first_tab_stop, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

Form::Form(const wchar_t* class_name, const std::wstring& caption, int client_width,
           int client_height) {
  register_class(class_name, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  // WS_POPUP without WS_CAPTION or a frame: the client area is the whole window.
  create(class_name, caption, WS_POPUP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, nullptr,
         Bounds{0, 0, client_width, client_height}, 0);
  // Made at the system's DPI; the display it is on may have another.
  const int own_dpi = dpi_of(handle());
  if (own_dpi != dpi()) WinControl::set_dpi(own_dpi);
}

void Form::set_dpi(int dpi) {
  WinControl::set_dpi(dpi);
  EnumChildWindows(handle(), rescale_child, dpi);
}

Form::~Form() { application().forget_form(*this); }

void Form::show() {
  if (!shown_before_) {
    shown_before_ = true;
    centre_on_screen();
  }
  ShowWindow(handle(), SW_SHOW);
  UpdateWindow(handle());
  SetForegroundWindow(handle());
  if (focus_ == nullptr) focus_ = first_tab_stop(handle());
  if (focus_ != nullptr) SetFocus(focus_);
}

void Form::set_icon(int id) {
  const HINSTANCE program = GetModuleHandleW(nullptr);
  const struct {
    WPARAM which;
    int width_metric, height_metric;
  } kinds[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
  for (const auto& kind : kinds) {
    // Shared: the system frees it with the program, and it is loaded once.
    const HANDLE icon = LoadImageW(program, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                   GetSystemMetrics(kind.width_metric),
                                   GetSystemMetrics(kind.height_metric), LR_SHARED);
    if (icon != nullptr) SendMessageW(handle(), WM_SETICON, kind.which, reinterpret_cast<LPARAM>(icon));
  }
}

void Form::close() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

void Form::centre_on_screen() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width()) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height()) / 2;
  SetWindowPos(handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      // Keep the focused control across message boxes and dialogs.
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(handle(), focused)) focus_ = focused;
      } else if (focus_ != nullptr && IsWindow(focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_COMMAND:
      // IDOK and IDCANCEL from Enter and Esc in the loop are not ours: no default button.
      reflect_command(wparam, lparam);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a display of another DPI, or its scale changed: scale everything,
      // then take the place the system suggests.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      const int dpi = HIWORD(wparam);
      set_dpi(dpi);
      SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      if (ends_application_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return WinControl::handle_message(message, wparam, lparam);
}

}  // namespace toolkit
