// The window as a user sees it: a screen capture, checked at the pixels that matter.
// The captures are kept beside the test programs (window-*.bmp) for a look by eye.
#include <gtest/gtest.h>

#include <windows.h>

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

struct Area {
  int left, top, width, height;
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

const Area kTitle{30, 22, 320, 32};
const Area kPrompt{72, 60, 163, 16};
const Area kBrowse{473, 84, 23, 22};
const Area kGauge{72, 112, 425, 17};
// The gauge's inside, where the bar and the percentage are.
const Area kGaugeInside{73, 113, 423, 15};
const Area kGaugeText{72 + 180, 113, 65, 15};

class WindowLookTest : public WindowTest {
 protected:
  // The form as the screen shows it, saved for a look by eye.
  Capture capture_form(const SetupProcess& setup, const char* name) {
    std::optional<Capture> shot = setup.capture(setup.main_window());
    EXPECT_TRUE(shot.has_value()) << "no capture";
    if (!shot) return {};
    shot->save_bmp((program_directory() / (std::string("window-") + name + ".bmp")).wstring());
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
  ASSERT_EQ(start.width, 569);
  ASSERT_EQ(start.height, 185);
  SCOPED_TRACE("at start");
  for (const POINT p : {POINT{1, 1}, POINT{567, 183}, POINT{300, 140}, POINT{10, 100}}) {
    EXPECT_EQ(start.at(p.x, p.y), kBlue) << "panel at " << p.x << "," << p.y;
  }
  // The yellow face over its red shadow, shifted 2 pixels right and down.
  EXPECT_GT(count_in(start, kTitle, yellowish), 300);
  EXPECT_GT(count_in(start, kTitle, reddish), 100);
  int shadow_below_face = 0;
  for (int y = kTitle.top; y < kTitle.top + kTitle.height; ++y) {
    for (int x = kTitle.left; x < kTitle.left + kTitle.width; ++x) {
      if (reddish(start.at(x, y)) && yellowish(start.at(x - 2, y - 2))) ++shadow_below_face;
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
  error_box->save_bmp((program_directory() / "window-error-box.bmp").wstring());
  const Area whole_box{0, 0, error_box->width, error_box->height};
  EXPECT_GT(count_in(*error_box, whole_box, reddish), 50) << "the error icon (a red stop sign)";
  const Capture empty = capture_form(*setup, "missing");
  EXPECT_EQ(empty.at(kGaugeInside.left + 2, kGaugeInside.top + 2), kRed);
  EXPECT_EQ(empty.at(kGauge.left, kGauge.top + 8), RGB(0, 0, 0)) << "single border";
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
  success_box->save_bmp((program_directory() / "window-success-box.bmp").wstring());
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
      // Row 1, just inside the border, lies above the centred percentage, whose
      // inverted pixels would blur the bar's end on the rows it covers.
      int lime = 0;
      while (lime + 1 < shot->width && shot->at(lime + 1, 1) == kLime) ++lime;
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
