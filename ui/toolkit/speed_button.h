// A flat button showing a bitmap glyph. It lies flat on its parent's colour, raises
// its edge under the mouse and sinks while pressed. It takes no focus, like a toolbar
// button; BM_CLICK clicks it, so automation can.
#pragma once

#include "control.h"

namespace toolkit {

class SpeedButton : public PaintedControl {
 public:
  // The glyph's pixels of colour `transparent` show the background.
  SpeedButton(WinControl& parent, const Bounds& bounds, int id, HBITMAP glyph,
              COLORREF transparent, COLORREF background);

  Notify on_click;

  void paint(HDC dc) const override;

 protected:
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void set_state(bool hot, bool pressed);
  bool cursor_inside(LPARAM lparam) const;

  HBITMAP glyph_;
  COLORREF transparent_;
  COLORREF background_;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace toolkit
