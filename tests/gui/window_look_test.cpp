// The window as a user sees it: a screen capture, checked at the pixels that matter.
// The captures are kept beside the test programs (window-*.bmp) for a look by eye.
// The places below are at 96 DPI; with DOVA_WINE_DPI set (the DPI the Wine prefix was
// made with) they are checked scaled to it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Title pixels may be smoothed; these take the colours that are clearly meant.
bool yellowish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) < 80; }
bool reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 80; }
// The exclamation icon is yellow or orange, depending on the system's icons.
bool amber(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 100 && GetBValue(c) < 100; }
// White text smoothed onto blue keeps its blue; red and green tell how white it is.
bool whitish(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) > 150 && GetBValue(c) > 200; }

// The DPI the window is expected at, and a 96-DPI size at it.
int expected_dpi() {
  const wchar_t* value = _wgetenv(L"DOVA_WINE_DPI");
  const int dpi = value != nullptr ? _wtoi(value) : 0;
  return dpi > 0 ? dpi : 96;
}
int s(int value) { return MulDiv(value, expected_dpi(), 96); }

// Where a capture is kept: window-NAME.bmp, or window-NAME-192dpi.bmp at 192 DPI.
std::wstring capture_path(const std::string& name) {
  const std::string dpi = expected_dpi() == 96 ? "" : "-" + std::to_string(expected_dpi()) + "dpi";
  return (program_directory() / ("window-" + name + dpi + ".bmp")).wstring();
}

struct Area {
  int left, top, width, height;
  Area scaled() const { return {s(left), s(top), s(left + width) - s(left), s(top + height) - s(top)}; }
};

int count_in(const Capture& shot, const Area& area, const std::function<bool(COLORREF)>& wanted) {
  int count = 0;
  for (int y = area.top; y < area.top + area.height; ++y) {
    for (int x = area.left; x < area.left + area.width; ++x) count += wanted(shot.at(x, y)) ? 1 : 0;
  }
  return count;
}

int count_colour(const Capture& shot, const Area& area, COLORREF colour) {
  return count_in(shot, area, [colour](COLORREF c) { return c == colour; });
}

const Area kTitle = Area{30, 22, 320, 32}.scaled();
const Area kPrompt = Area{72, 60, 163, 16}.scaled();
const Area kBrowse = Area{473, 84, 23, 22}.scaled();
const Area kGauge = Area{72, 112, 425, 17}.scaled();
// The gauge's inside, where the bar and the percentage are, within its border.
const Area kGaugeInside{kGauge.left + s(1), kGauge.top + s(1), kGauge.width - 2 * s(1),
                        kGauge.height - 2 * s(1)};
const Area kGaugeText = Area{72 + 180, 113, 65, 15}.scaled();

class WindowLookTest : public WindowTest {
 protected:
  // The form as the screen shows it, saved for a look by eye.
  Capture capture_form(const SetupProcess& setup, const char* name) {
    std::optional<Capture> shot = setup.capture(setup.main_window());
    EXPECT_TRUE(shot.has_value()) << "no capture";
    if (!shot) return {};
    shot->save_bmp(capture_path(name));
    return *shot;
  }

  // Message boxes open over the form's middle; this one goes to the corner.
  static void move_aside(const MessageBoxView& box) {
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

TEST_F(WindowLookTest, PanelTitleGlyphAndGaugeShowTheirColours) {
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);

  const Capture start = capture_form(*setup, "start");
  SCOPED_TRACE("at " + std::to_string(expected_dpi()) + " DPI");
  ASSERT_EQ(start.width, s(569));
  ASSERT_EQ(start.height, s(185));
  for (POINT p : {POINT{1, 1}, POINT{567, 183}, POINT{300, 140}, POINT{10, 100}}) {
    p = {s(p.x), s(p.y)};
    EXPECT_EQ(start.at(p.x, p.y), kBlue) << "panel at " << p.x << "," << p.y;
  }
  // The yellow face over its red shadow, shifted 2 pixels (at 96 DPI) right and down.
  EXPECT_GT(count_in(start, kTitle, yellowish), 300);
  EXPECT_GT(count_in(start, kTitle, reddish), 100);
  int shadow_below_face = 0;
  for (int y = kTitle.top; y < kTitle.top + kTitle.height; ++y) {
    for (int x = kTitle.left; x < kTitle.left + kTitle.width; ++x) {
      if (reddish(start.at(x, y)) && yellowish(start.at(x - s(2), y - s(2)))) ++shadow_below_face;
    }
  }
  EXPECT_GT(shadow_below_face, 50) << "no red shadow down and right of the yellow title";
  EXPECT_GT(count_in(start, kPrompt, whitish), 40) << "white prompt";
  EXPECT_GT(count_colour(start, kBrowse, RGB(255, 255, 0)), 20) << "yellow folder";
  EXPECT_GT(count_colour(start, kBrowse, RGB(0, 0, 0)), 20) << "black outline and arrow";
  EXPECT_EQ(count_colour(start, kBrowse, RGB(191, 191, 191)), 0) << "the glyph's grey is transparent";
  EXPECT_EQ(count_colour(start, kGauge, kBlue), kGauge.width * kGauge.height) << "gauge hidden";

  // The archive is missing: the gauge shows 0%, cyan over red.
  MessageBoxView box = press_continue(*setup);
  move_aside(box);
  const std::optional<Capture> error_box = setup->capture(box.window);
  ASSERT_TRUE(error_box.has_value());
  error_box->save_bmp(capture_path("error-box"));
  const Area whole_box{0, 0, error_box->width, error_box->height};
  EXPECT_GT(count_in(*error_box, whole_box, reddish), 50) << "the error icon (a red stop sign)";
  const Capture empty = capture_form(*setup, "missing");
  EXPECT_EQ(empty.at(kGaugeInside.left + 2, kGaugeInside.top + 2), kRed);
  for (int x = kGauge.left; x < kGaugeInside.left; ++x) {
    EXPECT_EQ(empty.at(x, kGauge.top + kGauge.height / 2), RGB(0, 0, 0)) << "border at " << x;
  }
  EXPECT_NE(empty.at(kGaugeInside.left, kGauge.top + kGauge.height / 2), RGB(0, 0, 0))
      << "a single border, one pixel at 96 DPI";
  EXPECT_GT(count_colour(empty, kGaugeText, RGB(0, 255, 255)), 5) << "cyan percentage";
  EXPECT_EQ(count_colour(empty, kGaugeInside, RGB(255, 0, 255)), 0);
  EXPECT_EQ(count_colour(empty, kGaugeInside, kLime), 0);
  dismiss(*setup, box);

  // Installed: the gauge is full, magenta over lime, until the message is dismissed.
  write_file(scratch() / "setup" / "DUVOVAV.DAT", make_archive(kPackage));
  box = press_continue(*setup);
  EXPECT_EQ(box.caption, kSuccessCaption);
  move_aside(box);
  const std::optional<Capture> success_box = setup->capture(box.window);
  ASSERT_TRUE(success_box.has_value());
  success_box->save_bmp(capture_path("success-box"));
  const Area all_of_it{0, 0, success_box->width, success_box->height};
  const int amber_pixels = count_in(*success_box, all_of_it, amber);
  EXPECT_GT(amber_pixels, 50) << "the exclamation icon";
  EXPECT_LT(count_in(*success_box, all_of_it, reddish), amber_pixels / 4) << "not the error icon";
  const Capture full = capture_form(*setup, "installed");
  EXPECT_EQ(full.at(kGaugeInside.left + 2, kGaugeInside.top + 2), kLime);
  EXPECT_EQ(full.at(kGaugeInside.left + kGaugeInside.width - 3, kGaugeInside.top + 2), kLime);
  EXPECT_GT(count_colour(full, kGaugeText, RGB(255, 0, 255)), 5) << "magenta percentage";
  EXPECT_EQ(count_colour(full, kGaugeInside, RGB(0, 255, 255)), 0);
  EXPECT_EQ(count_colour(full, kGaugeInside, kRed), 0);
  dismiss(*setup, box);
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

// The installation runs without processing messages; the gauge must paint itself all
// the same. Big records make it take long enough to watch.
TEST_F(WindowLookTest, GaugeShowsProgressWhileTheInstallationRuns) {
  std::vector<FixtureRecord> records;
  for (int i = 0; i < 20; ++i) records.push_back({"PART" + std::to_string(i) + ".BIN", std::string(8 << 20, 'x')});
  put_archive(make_archive(records));
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);
  const HWND gauge = setup->gauge();
  ASSERT_NE(gauge, nullptr);

  ASSERT_TRUE(setup->click(setup->push_button(kContinue)));
  // The lime part's width, sampled from the screen until the success message shows.
  std::vector<int> widths;
  while (!setup->wait_for_message_box(0) && widths.size() < 5000) {
    const std::optional<Capture> shot = setup->capture(gauge, false);
    if (shot && IsWindowVisible(gauge)) {
      // The first row inside the border lies above the centred percentage, whose
      // inverted pixels would blur the bar's end on the rows it covers.
      const int inside = s(1);
      int lime = 0;
      while (lime + inside < shot->width && shot->at(lime + inside, inside) == kLime) ++lime;
      if (widths.empty() || widths.back() != lime) widths.push_back(lime);
    }
    Sleep(10);
  }
  const std::optional<MessageBoxView> box = setup->wait_for_message_box();
  ASSERT_TRUE(box.has_value());
  dismiss(*setup, *box);
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));

  std::string seen;
  for (const int width : widths) seen += std::to_string(width) + " ";
  int between = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (i > 0) {
      EXPECT_GE(widths[i], widths[i - 1]) << "the bar went back: " << seen;
    }
    between += widths[i] > 0 && widths[i] < kGaugeInside.width ? 1 : 0;
  }
  EXPECT_GE(between, 3) << "the bar should grow step by step, not jump: " << seen;
}

}  // namespace
