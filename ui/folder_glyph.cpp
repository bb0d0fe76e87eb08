#include "folder_glyph.h"

#include <cstdint>
#include <cstring>

namespace {

// One letter a pixel: '.' background, 'K' black, 'y' the folder's inside, 'Y' its front.
constexpr const char* kPixels[kFolderGlyphHeight] = {
    "..........KKK.....",
    ".........K...K....",
    "...........KKKKK..",
    "............KKK...",
    ".KKKK........K....",
    "KyyyyKKKKKKK......",
    "KyyyyyyyyyyK......",
    "KyyyyyyyyyyK......",
    "KyyyyKKKKKKKKKKKK.",
    "KyyyKYYYYYYYYYYK..",
    "KyyKYYYYYYYYYYK...",
    "KyKYYYYYYYYYYK....",
    "KKYYYYYYYYYYK.....",
    "KKKKKKKKKKKK......",
    "..................",
};

COLORREF colour_of(char pixel) {
  switch (pixel) {
    case 'K': return RGB(0, 0, 0);
    case 'y': return RGB(192, 192, 0);
    case 'Y': return RGB(255, 255, 0);
    default: return kFolderGlyphTransparent;
  }
}

}  // namespace

HBITMAP make_folder_glyph() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kFolderGlyphWidth;
  info.bmiHeader.biHeight = -kFolderGlyphHeight;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP glyph = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (glyph == nullptr) return nullptr;

  // 24-bit rows are blue, green, red triples padded to a multiple of four bytes.
  const int stride = (kFolderGlyphWidth * 3 + 3) & ~3;
  auto* row = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < kFolderGlyphHeight; ++y, row += stride) {
    std::memset(row, 0, static_cast<size_t>(stride));
    for (int x = 0; x < kFolderGlyphWidth; ++x) {
      const COLORREF colour = colour_of(kPixels[y][x]);
      row[x * 3 + 0] = GetBValue(colour);
      row[x * 3 + 1] = GetGValue(colour);
      row[x * 3 + 2] = GetRValue(colour);
    }
  }
  return glyph;
}
