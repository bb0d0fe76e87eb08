#include "edit.h"

namespace toolkit {

Edit::Edit(WinControl& parent, const Bounds& bounds, int id, const FontStyle& font) {
  create(L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
         parent.handle(), bounds, id);
  set_font(font);
}

}  // namespace toolkit
