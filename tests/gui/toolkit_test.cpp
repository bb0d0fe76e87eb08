// Our toolkit's own logic, without a display: the gauge's arithmetic and its painting
// into a memory bitmap, DPI scaling, the browse button's glyph, the dialog filter and --silent.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "folder_glyph.h"
#include "silent_install.h"
#include "toolkit/dpi.h"
#include "toolkit/gauge.h"
#include "toolkit/open_dialog.h"

namespace {

constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kWidth = 425;
constexpr int kHeight = 17;

// The gauge painted at `percent` into a 32-bit memory bitmap, as 0x00RRGGBB, top-down.
std::vector<std::uint32_t> paint_at(int percent, int border = 1) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  toolkit::paint_gauge(dc, kWidth, kHeight, percent, kLime, kRed,
                       static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), border);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + kWidth * kHeight);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

COLORREF at(const std::vector<std::uint32_t>& pixels, int x, int y) {
  const std::uint32_t p = pixels[static_cast<size_t>(y * kWidth + x)];
  return RGB((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
}

TEST(GaugeRange, ClampsToItsRangeAndCountsWholePercent) {
  struct Case {
    int min_value, max_value, value, clamped, percent;
  };
  const Case cases[] = {
      {0, 100, 15, 15, 15},  {0, 100, -5, 0, 0},   {0, 100, 150, 100, 100},
      {0, 100, 100, 100, 100}, {0, 200, 101, 101, 50}, {10, 10, 99, 10, 0},  // empty range
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min_value << ".." << c.max_value << " at " << c.value);
    toolkit::GaugeRange range{c.min_value, c.max_value, 0};
    range.position = range.clamped(c.value);
    EXPECT_EQ(range.position, c.clamped);
    EXPECT_EQ(range.percent_done(), c.percent);
  }
}

TEST(GaugePainting, BarBorderAndThePercentageInvertedOverBoth) {
  struct Case {
    int percent;
    int bar_end;  // first column after the lime bar, inside the border
  };
  for (const Case c : {Case{0, 1}, Case{15, 1 + 423 * 15 / 100}, Case{50, 1 + 423 / 2}, Case{100, 424}}) {
    SCOPED_TRACE(c.percent);
    const std::vector<std::uint32_t> pixels = paint_at(c.percent);
    EXPECT_EQ(at(pixels, 0, 8), RGB(0, 0, 0)) << "border";
    EXPECT_EQ(at(pixels, kWidth - 1, 8), RGB(0, 0, 0)) << "border";
    EXPECT_EQ(at(pixels, 200, 0), RGB(0, 0, 0)) << "border";
    if (c.bar_end > 1) {
      EXPECT_EQ(at(pixels, c.bar_end - 1, 2), kLime);
    }
    if (c.bar_end < 424) {
      EXPECT_EQ(at(pixels, c.bar_end, 2), kRed);
    }

    // Every pixel inside is the bar, the rest, or one of them inverted: no smoothing.
    int inverted = 0;
    for (int y = 1; y < kHeight - 1; ++y) {
      for (int x = 1; x < kWidth - 1; ++x) {
        const COLORREF colour = at(pixels, x, y);
        const COLORREF plain = x < c.bar_end ? kLime : kRed;
        const COLORREF inverse = x < c.bar_end ? RGB(255, 0, 255) : RGB(0, 255, 255);
        ASSERT_TRUE(colour == plain || colour == inverse) << x << "," << y;
        inverted += colour == inverse ? 1 : 0;
      }
    }
    EXPECT_GT(inverted, 10) << "the percentage shows";
  }
}

// At 200 % the border is two pixels wide, as a one-pixel line is at 100 %.
TEST(GaugePainting, TheBorderIsAsWideAsAsked) {
  const std::vector<std::uint32_t> pixels = paint_at(0, 2);
  for (const int x : {0, 1, kWidth - 2, kWidth - 1}) EXPECT_EQ(at(pixels, x, 8), RGB(0, 0, 0)) << x;
  for (const int y : {0, 1, kHeight - 2, kHeight - 1}) EXPECT_EQ(at(pixels, 10, y), RGB(0, 0, 0)) << y;
  EXPECT_EQ(at(pixels, 2, 8), kRed);
  EXPECT_EQ(at(pixels, 10, 2), kRed);
  EXPECT_EQ(at(pixels, kWidth - 3, 8), kRed);
}

TEST(Dpi, DesignSizesScaleToTheNearestPixel) {
  struct Case {
    int value, dpi, scaled;
  };
  for (const Case c : {Case{569, 96, 569}, Case{569, 192, 1138}, Case{185, 144, 278}, Case{17, 120, 21},
                       Case{1, 120, 1}, Case{1, 144, 2}, Case{0, 192, 0}}) {
    EXPECT_EQ(toolkit::scale(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi << " DPI";
  }
}

TEST(FolderGlyph, IsAn18By15TwentyFourBitFolderOnTransparentGrey) {
  const HBITMAP glyph = make_folder_glyph();
  ASSERT_NE(glyph, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(glyph, sizeof info, &info));
  EXPECT_EQ(info.bmWidth, 18);
  EXPECT_EQ(info.bmHeight, 15);
  EXPECT_EQ(info.bmBitsPixel, 24);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, glyph);
  int yellow = 0;
  int black = 0;
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 18; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      yellow += c == RGB(255, 255, 0) ? 1 : 0;
      black += c == RGB(0, 0, 0) ? 1 : 0;
    }
  }
  EXPECT_EQ(GetPixel(dc, 0, 14), kFolderGlyphTransparent) << "the corner shows the background";
  EXPECT_EQ(GetPixel(dc, 17, 0), kFolderGlyphTransparent);
  EXPECT_GT(yellow, 30);
  EXPECT_GT(black, 30);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(glyph);
}

TEST(GaugeText, IsTheNumberFollowedByPercent) {
  const std::pair<int, const wchar_t*> cases[] = {
      {0, L"0%"}, {5, L"5%"}, {10, L"10%"}, {95, L"95%"}, {100, L"100%"}, {-7, L"-7%"},
      {-2147483647 - 1, L"-2147483648%"}};
  for (const auto& [percent, text] : cases) EXPECT_EQ(toolkit::percent_text(percent), text) << percent;
}

TEST(OpenDialogFilter, BarsBecomeNulsWithTheClosingPair) {
  EXPECT_EQ(toolkit::dialog_filter(L"51汇编程式(A51.EXE)|A51.EXE"),
            std::wstring(L"51汇编程式(A51.EXE)\0A51.EXE\0\0", 25));
}

// The console installer's options, and /S as deployment tools pass it, before any "--".
TEST(SilentInstall, OnlyTheConsoleOptionsBeforeAnyDoubleDashAskForIt) {
  struct Case {
    std::vector<std::wstring> arguments;
    bool silent;
  };
  const Case cases[] = {
      {{}, false},
      {{L"C:\\TOOLS\\A51.EXE"}, false},
      {{L"--silent"}, true},
      {{L"C:\\TOOLS\\A51.EXE", L"--silent"}, true},
      {{L"--", L"--silent"}, false},
      {{L"--SILENT"}, false},
      {{L"/S"}, true},
      {{L"/s"}, true},
      {{L"/S", L"C:\\TOOLS\\A51.EXE"}, true},
      {{L"--", L"/S"}, false},
      {{L"/SILENT"}, false},
      {{L"/S1"}, false},
      {{L"S"}, false},
      {{L"--version"}, true},
      {{L"--help"}, true},
  };
  for (const Case& c : cases) {
    std::wstring joined;
    for (const std::wstring& argument : c.arguments) joined += L"[" + argument + L"]";
    SCOPED_TRACE(std::string(joined.begin(), joined.end()));
    EXPECT_EQ(wants_silent_install(c.arguments), c.silent);
  }
}

}  // namespace
