#include "button.h"

namespace toolkit {

Button::Button(WinControl& parent, const Bounds& bounds, int id, const std::wstring& caption,
               const FontStyle& font) {
  create(L"Button", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
         parent.handle(), bounds, id);
  set_font(font);
}

void Button::on_command(WORD code) {
  if (code == BN_CLICKED) fire(on_click);
}

}  // namespace toolkit
