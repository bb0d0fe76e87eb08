// The browse button's glyph: an open yellow folder under a curved black arrow, 18 x 15
// pixels, 24 bits, on the grey that the button draws transparent.
#pragma once

#include <windows.h>

inline constexpr int kFolderGlyphWidth = 18;
inline constexpr int kFolderGlyphHeight = 15;
inline constexpr COLORREF kFolderGlyphTransparent = RGB(191, 191, 191);

// A 24-bit DIB section; nullptr when the system cannot make one.
HBITMAP make_folder_glyph();
