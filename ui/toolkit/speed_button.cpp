#include "speed_button.h"

#include <windowsx.h>

namespace toolkit {

namespace {
constexpr wchar_t kSpeedButtonClass[] = L"DovaSpeedButton";
}

SpeedButton::SpeedButton(WinControl& parent, const Bounds& bounds, int id, HBITMAP glyph,
                         COLORREF transparent, COLORREF background)
    : glyph_(glyph), transparent_(transparent), background_(background) {
  register_class(kSpeedButtonClass, 0, nullptr);
  create(kSpeedButtonClass, L"", WS_CHILD | WS_VISIBLE, 0, parent.handle(), bounds, id);
}

void SpeedButton::paint(HDC dc) const {
  RECT area{0, 0, width(), height()};
  const HBRUSH brush = CreateSolidBrush(background_);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  if (pressed_ && hot_) {
    DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }

  BITMAP info{};
  GetObjectW(glyph_, sizeof info, &info);
  const int shift = pressed_ && hot_ ? scaled(1) : 0;
  const int left = (width() - scaled(info.bmWidth)) / 2 + shift;
  const int top = (height() - scaled(info.bmHeight)) / 2 + shift;
  // Pixel by pixel, each glyph pixel a block of the display's pixels, so the glyph
  // stays sharp at any DPI: a glyph is tiny, and TransparentBlt would need msimg32.dll,
  // which is no known DLL and so could be planted beside the program.
  const HDC glyph_dc = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(glyph_dc, glyph_);
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      const COLORREF colour = GetPixel(glyph_dc, x, y);
      if (colour == transparent_) continue;
      const RECT block{left + scaled(x), top + scaled(y), left + scaled(x + 1), top + scaled(y + 1)};
      SetDCBrushColor(dc, colour);
      FillRect(dc, &block, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
  }
  SelectObject(glyph_dc, old);
  DeleteDC(glyph_dc);
}

void SpeedButton::set_state(bool hot, bool pressed) {
  if (hot == hot_ && pressed == pressed_) return;
  hot_ = hot;
  pressed_ = pressed;
  InvalidateRect(handle(), nullptr, FALSE);
}

bool SpeedButton::cursor_inside(LPARAM lparam) const {
  const int x = GET_X_LPARAM(lparam);
  const int y = GET_Y_LPARAM(lparam);
  return x >= 0 && y >= 0 && x < width() && y < height();
}

LRESULT SpeedButton::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      if (!hot_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
        TrackMouseEvent(&track);
      }
      set_state(cursor_inside(lparam), pressed_);
      return 0;
    }
    case WM_MOUSELEAVE:
      set_state(false, pressed_);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(handle());
      set_state(true, true);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressed_ && cursor_inside(lparam);
      ReleaseCapture();
      set_state(cursor_inside(lparam), false);
      if (click) fire(on_click);
      return 0;
    }
    case WM_CAPTURECHANGED:
      set_state(hot_, false);
      return 0;
    case BM_CLICK:
      fire(on_click);
      return 0;
    default:
      break;
  }
  return PaintedControl::handle_message(message, wparam, lparam);
}

}  // namespace toolkit
