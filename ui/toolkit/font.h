// Fonts by face name and character height. A face that is not installed falls back
// along its list, so a Chinese Kai face shows as some Kai face wherever one exists.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace toolkit {

struct FontStyle {
  const wchar_t* face = L"";  // a name that lives as long as the program, e.g. a literal
  int height = 0;  // character height in pixels, internal leading excluded
  bool bold = false;
  bool italic = false;
};

// The face that will be used for `face` at `height`: itself when installed, else the
// first installed face of its fallbacks, else an empty name (the system's default).
std::wstring resolve_face(const std::wstring& face, int height);

// `style` at `dpi`, its height being at 96 DPI: a font for the whole process lifetime;
// fonts are few and shared, never freed.
HFONT make_font(const FontStyle& style, int dpi);

}  // namespace toolkit
