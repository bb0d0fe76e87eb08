#include "dpi.h"

namespace toolkit {

namespace {

// A user32 function that older systems lack; user32 is loaded already, as we import it.
FARPROC user32_function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
}

}  // namespace

int dpi_of(HWND window) {
  // Windows 10 1607 and later.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  using DpiForSystem = UINT(WINAPI*)();
  UINT dpi = 0;
  if (window != nullptr) {
    if (const auto for_window = reinterpret_cast<DpiForWindow>(
            reinterpret_cast<void*>(user32_function("GetDpiForWindow")))) {
      dpi = for_window(window);
    }
  }
  if (dpi == 0) {
    if (const auto for_system = reinterpret_cast<DpiForSystem>(
            reinterpret_cast<void*>(user32_function("GetDpiForSystem")))) {
      dpi = for_system();
    }
  }
  if (dpi != 0) return static_cast<int>(dpi);
  // Older systems: one DPI for all displays.
  const HDC screen = GetDC(nullptr);
  const int caps = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return caps > 0 ? caps : kDesignDpi;
}

}  // namespace toolkit
