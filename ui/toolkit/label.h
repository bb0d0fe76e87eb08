// A label without a window of its own: its panel paints it, in creation order, so a
// later label lies above an earlier one and both let the panel show through.
#pragma once

#include <windows.h>

#include <string>

#include "control.h"
#include "font.h"

namespace toolkit {

class Panel;

class Label {
 public:
  Label(Panel& parent, const Bounds& bounds, const std::wstring& text, COLORREF colour,
        const FontStyle& font);

  const std::wstring& text() const { return text_; }
  // At `dpi`: place and font scaled from their design values.
  void paint(HDC dc, int dpi) const;

 private:
  Bounds bounds_;
  std::wstring text_;
  COLORREF colour_;
  FontStyle font_;
};

}  // namespace toolkit
