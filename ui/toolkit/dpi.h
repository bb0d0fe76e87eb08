// The toolkit's sizes are designed at 96 DPI; on a denser display they are scaled by
// the DPI of the window they appear in, so the window is sharp and the right size.
#pragma once

#include <windows.h>

namespace toolkit {

inline constexpr int kDesignDpi = 96;

// A design size at `dpi`, rounded to the nearest pixel.
inline int scale(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }

// The DPI of `window` (GetDpiForWindow where the system has it); for nullptr, or on
// older systems, the system's DPI.
int dpi_of(HWND window);

}  // namespace toolkit
