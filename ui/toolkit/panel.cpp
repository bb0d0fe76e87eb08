#include "panel.h"

#include "label.h"

namespace toolkit {

namespace {
constexpr wchar_t kPanelClass[] = L"DovaPanel";
}

Panel::Panel(WinControl& parent, const Bounds& bounds, COLORREF colour)
    : colour_(colour), brush_(CreateSolidBrush(colour)) {
  register_class(kPanelClass, 0, nullptr);
  // WS_EX_CONTROLPARENT lets dialog-style Tab navigation reach the controls inside.
  create(kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
         WS_EX_CONTROLPARENT, parent.handle(), bounds, 0);
}

Panel::~Panel() { DeleteObject(brush_); }

void Panel::paint(HDC dc) const {
  RECT area{0, 0, width(), height()};
  FillRect(dc, &area, brush_);
  for (const Label* label : labels_) label->paint(dc, dpi());
}

LRESULT Panel::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (reflect_command(wparam, lparam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // The corners around push buttons show the panel.
      return reinterpret_cast<LRESULT>(brush_);
    default:
      break;
  }
  return PaintedControl::handle_message(message, wparam, lparam);
}

}  // namespace toolkit
