// TCGauge: a horizontal progress gauge. The bar fills from the left in the foreground
// colour over the background colour inside a single border; the percentage is centred
// on it and drawn by inverting what lies beneath. The window text is the percentage
// shown ("15%"), for assistive tools. It repaints at once when that percentage
// changes, so it stays current while the thread is busy and processes no messages.
#pragma once

#include <string>

#include "control.h"

namespace toolkit {

class TCGauge : public WinControl {
 public:
  TCGauge(WinControl& parent, const Bounds& bounds, int id, HFONT font);

  int min_value() const { return min_value_; }
  int max_value() const { return max_value_; }
  int position() const { return position_; }
  // Clamped to min..max.
  void set_position(int position);
  void set_colours(COLORREF fore, COLORREF back);
  // Whole percent of the way from min to max, 0..100.
  int percent_done() const;

  // The whole gauge, into any DC of at least its size.
  void paint(HDC dc) const;

 protected:
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  int min_value_ = 0;
  int max_value_ = 100;
  int position_ = 0;
  COLORREF fore_ = RGB(0, 0, 0);
  COLORREF back_ = RGB(255, 255, 255);
  HFONT font_;
};

std::wstring percent_text(int percent);

}  // namespace toolkit
