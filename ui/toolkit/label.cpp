#include "label.h"

#include "panel.h"

namespace toolkit {

Label::Label(Panel& parent, const Bounds& bounds, const std::wstring& text, COLORREF colour,
             const FontStyle& font)
    : bounds_(bounds), text_(text), colour_(colour), font_(font) {
  parent.add_label(*this);
}

void Label::paint(HDC dc, int dpi) const {
  RECT area{scale(bounds_.left, dpi), scale(bounds_.top, dpi),
            scale(bounds_.left + bounds_.width, dpi), scale(bounds_.top + bounds_.height, dpi)};
  const HGDIOBJ old_font = SelectObject(dc, make_font(font_, dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour_);
  // Italic glyphs lean past the label's right edge; let them, as the text is not clipped.
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, old_font);
}

}  // namespace toolkit
