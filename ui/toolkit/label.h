// A label without a window of its own: its panel paints it, in creation order, so a
// later label lies above an earlier one and both let the panel show through.
#pragma once

#include <windows.h>

#include <string>

#include "control.h"

namespace toolkit {

class Panel;

class Label {
 public:
  Label(Panel& parent, const Bounds& bounds, const std::wstring& text, COLORREF colour, HFONT font);

  const std::wstring& text() const { return text_; }
  void paint(HDC dc) const;

 private:
  Bounds bounds_;
  std::wstring text_;
  COLORREF colour_;
  HFONT font_;
};

}  // namespace toolkit
