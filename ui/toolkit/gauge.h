// TCGauge: a horizontal progress gauge. The bar fills from the left in the foreground
// colour over the background colour inside a single border; the percentage is centred
// on it and drawn by inverting what lies beneath. The window text is the percentage
// shown ("15%"), for assistive tools. It repaints at once when that percentage
// changes, so it stays current while the thread is busy and processes no messages.
#pragma once

#include <string>

#include "control.h"
#include "font.h"

namespace toolkit {

// The gauge's numbers, apart from its window.
struct GaugeRange {
  int min_value = 0;
  int max_value = 100;
  int position = 0;

  int clamped(int value) const;
  // Whole percent of the way from min to max, 0..100.
  int percent_done() const;
};

// The whole gauge at `percent` into any DC of at least width x height, at its origin,
// with a border `border` pixels wide.
void paint_gauge(HDC dc, int width, int height, int percent, COLORREF fore, COLORREF back, HFONT font,
                 int border = 1);

std::wstring percent_text(int percent);

class TCGauge : public PaintedControl {
 public:
  TCGauge(WinControl& parent, const Bounds& bounds, int id, const FontStyle& font);

  int min_value() const { return range_.min_value; }
  int max_value() const { return range_.max_value; }
  int position() const { return range_.position; }
  // Clamped to min..max.
  void set_position(int position);
  void set_colours(COLORREF fore, COLORREF back);
  int percent_done() const { return range_.percent_done(); }

  // The whole gauge, into any DC of at least its size.
  void paint(HDC dc) const override;

 private:
  GaugeRange range_;
  COLORREF fore_ = RGB(0, 0, 0);
  COLORREF back_ = RGB(255, 255, 255);
  FontStyle font_;
};

}  // namespace toolkit
