// A plain coloured panel without bevel. It paints its labels and passes its child
// controls' notifications back to them.
#pragma once

#include <vector>

#include "control.h"

namespace toolkit {

class Label;

class Panel : public PaintedControl {
 public:
  Panel(WinControl& parent, const Bounds& bounds, COLORREF colour);
  ~Panel() override;

  COLORREF colour() const { return colour_; }
  void add_label(const Label& label) { labels_.push_back(&label); }

  // Background and labels, into any DC: the screen, WM_PRINTCLIENT or a memory bitmap.
  void paint(HDC dc) const override;

 protected:
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  COLORREF colour_;
  HBRUSH brush_;
  std::vector<const Label*> labels_;
};

}  // namespace toolkit
