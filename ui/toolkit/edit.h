// A standard single-line edit control, a tab stop.
#pragma once

#include "control.h"

namespace toolkit {

class Edit : public WinControl {
 public:
  Edit(WinControl& parent, const Bounds& bounds, int id, const FontStyle& font);
};

}  // namespace toolkit
