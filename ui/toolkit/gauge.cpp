#include "gauge.h"

#include <algorithm>

namespace toolkit {

namespace {
constexpr wchar_t kGaugeClass[] = L"TCGauge";
}

// By hand: std::to_wstring would bring the C library's wide printf, 12 KB, for this.
std::wstring percent_text(int percent) {
  const bool negative = percent < 0;
  unsigned magnitude = negative ? 0u - static_cast<unsigned>(percent) : static_cast<unsigned>(percent);
  std::wstring text = L"%";
  do {
    text.insert(text.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) text.insert(text.begin(), L'-');
  return text;
}

TCGauge::TCGauge(WinControl& parent, const Bounds& bounds, int id, const FontStyle& font)
    : font_(font) {
  register_class(kGaugeClass, 0, nullptr);
  create(kGaugeClass, percent_text(0), WS_CHILD, 0, parent.handle(), bounds, id);
}

int GaugeRange::clamped(int value) const {
  return std::clamp(value, min_value, std::max(min_value, max_value));
}

int GaugeRange::percent_done() const {
  const long long range = static_cast<long long>(max_value) - min_value;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(position) - min_value) * 100 / range);
}

void TCGauge::set_position(int position) {
  const int clamped = range_.clamped(position);
  if (clamped == range_.position) return;
  const int shown_before = percent_done();
  range_.position = clamped;
  if (percent_done() == shown_before) return;
  set_text(percent_text(percent_done()));
  // At once: the caller may be busy for a long time without processing messages.
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TCGauge::set_colours(COLORREF fore, COLORREF back) {
  fore_ = fore;
  back_ = back;
  InvalidateRect(handle(), nullptr, FALSE);
}

void TCGauge::paint(HDC dc) const {
  paint_gauge(dc, width(), height(), percent_done(), fore_, back_, make_font(font_, dpi()),
              scaled(1));
}

void paint_gauge(HDC dc, int width, int height, int percent, COLORREF fore_colour,
                 COLORREF back_colour, HFONT font, int border) {
  RECT frame{0, 0, width, height};
  for (int i = 0; i < border; ++i) {
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&frame, -1, -1);
  }

  RECT inside{border, border, width - border, height - border};
  const int inner_width = std::max(0, static_cast<int>(inside.right - inside.left));
  RECT bar = inside;
  bar.right = inside.left + inner_width * percent / 100;
  RECT rest = inside;
  rest.left = bar.right;
  const HBRUSH fore = CreateSolidBrush(fore_colour);
  const HBRUSH back = CreateSolidBrush(back_colour);
  FillRect(dc, &bar, fore);
  FillRect(dc, &rest, back);
  DeleteObject(fore);
  DeleteObject(back);

  // The text goes as set bits into a one-bit mask (so never smoothed), which XOR then
  // lays on the gauge: each text pixel becomes the inverse of the colour beneath it.
  const std::wstring text = percent_text(percent);
  const HDC mask_dc = CreateCompatibleDC(dc);
  const HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
  const HGDIOBJ old_mask = SelectObject(mask_dc, mask);
  const HGDIOBJ old_font = SelectObject(mask_dc, font);
  RECT all{0, 0, width, height};
  FillRect(mask_dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetBkMode(mask_dc, TRANSPARENT);
  SetTextColor(mask_dc, RGB(255, 255, 255));
  DrawTextW(mask_dc, text.c_str(), static_cast<int>(text.size()), &inside,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  // From one bit to colour: clear bits take the text colour, set bits the background.
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, inside.left, inside.top, inner_width, inside.bottom - inside.top, mask_dc,
         inside.left, inside.top, SRCINVERT);
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_back);
  SelectObject(mask_dc, old_font);
  SelectObject(mask_dc, old_mask);
  DeleteObject(mask);
  DeleteDC(mask_dc);
}

}  // namespace toolkit
