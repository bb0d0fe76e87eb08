// A standard push button, a tab stop and never the default button.
#pragma once

#include "control.h"

namespace toolkit {

class Button : public WinControl {
 public:
  Button(WinControl& parent, const Bounds& bounds, int id, const std::wstring& caption,
         const FontStyle& font);

  Notify on_click;
  void on_command(WORD code) override;
};

}  // namespace toolkit
