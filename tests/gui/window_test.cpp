// End-to-end tests of the installer window: the real dova-setup.exe, driven through
// window messages on a (virtual) display, checked by what it leaves on disk.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "text_encoding.h"
#include "toolkit/button.h"
#include "toolkit/font.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "version.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, TypicalRunInstallsBesideA51AndEndsAfterTheSuccessMessage) {
  put_archive(make_archive(kPackage));
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr) << "no window";
  EXPECT_EQ(setup->path_text(), a51_in(scratch() / "tools"));
  EXPECT_FALSE(setup->read_gauge().visible) << "the gauge is hidden until Continue";

  const MessageBoxView box = press_continue(*setup);
  EXPECT_EQ(box.caption, kSuccessCaption);
  EXPECT_EQ(box.text, kSuccessText);
  EXPECT_EQ(box.owner, setup->main_window(0)) << "message boxes belong to the main window";
  const GaugeView gauge = setup->read_gauge();
  EXPECT_TRUE(gauge.visible);
  EXPECT_EQ(gauge.text, L"100%");
  EXPECT_NE(setup->main_window(0), nullptr) << "the window stays until the message is dismissed";
  dismiss(*setup, box);
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));

  EXPECT_EQ(tree_of(scratch() / "tools"), kInstalledTree);
  EXPECT_EQ(read_file(scratch() / "tools" / "DINC" / "REG51.INC"), kPackage[1].data);
  EXPECT_EQ(read_file(scratch() / "tools" / "A51.INC"), kPackage[0].data);
}

TEST_F(WindowTest, ArchiveMissingKeepsTheWindowAndContinueWorksOnceItIsThere) {
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);

  const MessageBoxView box = press_continue(*setup);
  EXPECT_EQ(box.caption, kFailedCaption);
  EXPECT_EQ(box.text, kArchiveMissingText);
  EXPECT_EQ(box.owner, setup->main_window(0));
  EXPECT_EQ(setup->read_gauge().text, L"0%");
  EXPECT_TRUE(setup->read_gauge().visible);
  dismiss(*setup, box);
  EXPECT_FALSE(setup->wait_for_exit(500).has_value()) << "the program ended after a failure";
  EXPECT_FALSE(fs::exists(scratch() / "tools" / "A51.INC"));

  put_archive(make_archive(kPackage));
  expect_success_and_exit(*setup);
  EXPECT_EQ(tree_of(scratch() / "tools"), kInstalledTree);
}

TEST_F(WindowTest, FormIsBorderlessCentredAndItsControlsSitWhereTheyBelong) {
  auto setup = start({});
  ASSERT_TRUE(setup);
  const HWND form = setup->main_window();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_SYSMENU), 0);
  RECT outside{};
  RECT client{};
  GetWindowRect(form, &outside);
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 569);
  EXPECT_EQ(client.bottom, 185);
  EXPECT_EQ(outside.right - outside.left, 569) << "no frame around the panel";
  EXPECT_EQ(outside.left, (GetSystemMetrics(SM_CXSCREEN) - 569) / 2);
  EXPECT_EQ(outside.top, (GetSystemMetrics(SM_CYSCREEN) - 185) / 2);

  struct Expected {
    const wchar_t* class_name;
    const wchar_t* text;
    RECT area;
  };
  // In z-order, which is the tab order of the tab stops; labels are painted by the panel.
  const Expected expected[] = {
      {L"DovaPanel", L"", {0, 0, 569, 185}},
      {L"Edit", L"", {73, 84, 73 + 393, 84 + 21}},
      {L"DovaSpeedButton", L"", {473, 84, 473 + 23, 84 + 22}},
      {L"TCGauge", L"0%", {72, 112, 72 + 425, 112 + 17}},
      {L"Button", kCancel.c_str(), {368, 144, 368 + 75, 144 + 25}},
      {L"Button", kContinue.c_str(), {456, 144, 456 + 75, 144 + 25}},
  };
  const std::vector<Placement> controls = setup->controls();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(utf8_from_native(expected[i].class_name) + " " + utf8_from_native(expected[i].text));
    const Placement& control = controls[i];
    EXPECT_EQ(control.class_name, expected[i].class_name);
    EXPECT_EQ(control.text, expected[i].text);
    EXPECT_EQ(control.area.left, expected[i].area.left);
    EXPECT_EQ(control.area.top, expected[i].area.top);
    EXPECT_EQ(control.area.right, expected[i].area.right);
    EXPECT_EQ(control.area.bottom, expected[i].area.bottom);
    if (control.class_name == L"Button") {
      EXPECT_EQ(control.style & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    }
  }
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

// What Windows sends when a form is dragged onto a display at 150 %. In this process,
// as the message carries a pointer to the suggested place.
TEST(ToolkitDpi, AFormTakesTheSuggestedPlaceAndScalesItsComponentsAndFonts) {
  toolkit::Form form(L"DovaDpiTestForm", L"", 200, 100);
  toolkit::Panel panel(form, toolkit::Bounds{0, 0, 200, 100}, RGB(0, 0, 255));
  const toolkit::FontStyle font{L"System", 16};
  toolkit::Button button(panel, toolkit::Bounds{20, 30, 75, 25}, 100, L"OK", font);
  ASSERT_EQ(form.dpi(), 96) << "the tests' Wine prefix is at 96 DPI";

  const int dpi = 144;
  const auto s = [dpi](int value) { return MulDiv(value, dpi, 96); };
  const RECT suggested{10, 20, 10 + s(200), 20 + s(100)};
  SendMessageW(form.handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));

  RECT outside{};
  GetWindowRect(form.handle(), &outside);
  EXPECT_EQ(outside.left, suggested.left);
  EXPECT_EQ(outside.top, suggested.top);
  EXPECT_EQ(outside.right, suggested.right);
  EXPECT_EQ(outside.bottom, suggested.bottom);
  RECT panel_area{};
  GetClientRect(panel.handle(), &panel_area);
  EXPECT_EQ(panel_area.right, s(200));
  EXPECT_EQ(panel_area.bottom, s(100));
  RECT button_area{};
  GetWindowRect(button.handle(), &button_area);
  MapWindowPoints(nullptr, panel.handle(), reinterpret_cast<POINT*>(&button_area), 2);
  EXPECT_EQ(button_area.left, s(20));
  EXPECT_EQ(button_area.top, s(30));
  EXPECT_EQ(button_area.right - button_area.left, s(75));
  EXPECT_EQ(button_area.bottom - button_area.top, s(25));
  EXPECT_EQ(button.dpi(), dpi);

  LOGFONTW shown{};
  const auto button_font = reinterpret_cast<HFONT>(SendMessageW(button.handle(), WM_GETFONT, 0, 0));
  ASSERT_NE(GetObjectW(button_font, sizeof shown, &shown), 0);
  EXPECT_EQ(shown.lfHeight, -s(16)) << "the button's font made anew at the new DPI";
}

TEST(FontFallback, TheTitleFaceFallsBackToSomeKaiFace) {
  const std::wstring face = toolkit::resolve_face(L"楷体_GB2312", 27);
  EXPECT_TRUE(face.find(L"Kai") != std::wstring::npos || face.find(L"楷") != std::wstring::npos)
      << "no Kai face: '" << utf8_from_native(face) << "'";
}

TEST_F(WindowTest, CancelEndsWithoutTouchingAnything) {
  put_archive(make_archive(kPackage));
  const std::string before = tree_of(scratch());
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
  EXPECT_EQ(tree_of(scratch()), before);
}

struct ArgumentCase {
  const char* name;
  std::vector<std::wstring> arguments;
  std::wstring path_text;
};

class StartUpTest : public WindowTest, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(StartUpTest, PathFieldShowsTheFirstArgumentOnly) {
  auto setup = start(GetParam().arguments);
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);
  EXPECT_EQ(setup->path_text(), GetParam().path_text);
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StartUpTest,
    ::testing::Values(
        ArgumentCase{"None", {}, L""},
        ArgumentCase{"One", {L"C:\\TOOLS\\A51.EXE"}, L"C:\\TOOLS\\A51.EXE"},
        ArgumentCase{"TwoTakesTheFirst", {L"C:\\TOOLS\\A51.EXE", L"D:\\OTHER\\A51.EXE"}, L"C:\\TOOLS\\A51.EXE"},
        ArgumentCase{"QuotedWithSpaces", {L"C:\\Program Files\\51\\A51.EXE", L"x"}, L"C:\\Program Files\\51\\A51.EXE"},
        ArgumentCase{"Chinese", {L"C:\\工具\\汇编\\A51.EXE"}, L"C:\\工具\\汇编\\A51.EXE"}),
    [](const auto& test) { return std::string(test.param.name); });

struct FailureCase {
  const char* name;
  std::string archive;     // empty: no archive
  const char* path_text;   // UTF-8, relative to the scratch directory; "" for none
  std::wstring text_part;  // a part of the message text that names the failure
};

class FailureRulingTest : public WindowTest, public ::testing::WithParamInterface<FailureCase> {};

// Each failure is an error box; the window stays for another try, Cancel still ends it.
TEST_P(FailureRulingTest, ShowsTheErrorAndKeepsTheWindow) {
  const FailureCase& failure = GetParam();
  if (!failure.archive.empty()) put_archive(failure.archive);
  auto setup = start({(scratch() / utf8_path(failure.path_text)).wstring()});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);

  const MessageBoxView box = press_continue(*setup);
  EXPECT_EQ(box.caption, kFailedCaption);
  EXPECT_NE(box.text.find(failure.text_part), std::wstring::npos) << utf8_from_native(box.text);
  dismiss(*setup, box);
  EXPECT_NE(setup->main_window(2000), nullptr) << "the window closed after a failure";
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Rulings, FailureRulingTest,
    ::testing::Values(
        FailureCase{"TargetMissing", make_archive(kPackage), "nowhere/A51.EXE", L"找不到目录"},
        FailureCase{"DataCut", make_archive(kPackage).substr(0, 100), "tools/A51.EXE", L"已损坏"},
        FailureCase{"NameWithSeparator", make_archive({{"..\\EVIL.INC", "x"}}), "tools/A51.EXE", L"已损坏"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(WindowTest, ChinesePathTypedIntoTheField) {
  put_archive(make_archive(kPackage));
  const fs::path target = scratch() / utf8_path("工具/汇编");
  make_target(target);
  auto setup = start({});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);
  ASSERT_TRUE(setup->set_path_text(a51_in(target)));
  expect_success_and_exit(*setup);
  EXPECT_EQ(tree_of(target), kInstalledTree);
}

TEST_F(WindowTest, BrowseCancelledChangesNeitherPathNorCurrentDirectory) {
  put_archive(make_archive(kPackage));
  const fs::path elsewhere = scratch() / "elsewhere";
  make_target(elsewhere);
  const std::wstring path = a51_in(scratch() / "tools");
  auto setup = start({path});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);

  ASSERT_TRUE(setup->click(setup->browse_button()));
  const HWND dialog = setup->wait_for_file_dialog();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog";
  EXPECT_EQ(setup->file_dialog_name(dialog), L"A51.EXE");
  // Wander to another directory in the dialog first: that moves the dialog's directory.
  ASSERT_TRUE(setup->set_file_dialog_name(dialog, elsewhere.wstring()));
  ASSERT_TRUE(setup->press_dialog_button(dialog, IDOK));
  Sleep(500);
  ASSERT_TRUE(IsWindow(dialog)) << "typing a directory should open it, not end the dialog";
  ASSERT_TRUE(setup->press_dialog_button(dialog, IDCANCEL));
  ASSERT_TRUE(setup->wait_until_gone(dialog));

  EXPECT_EQ(setup->path_text(), path);
  // The archive is found only if the current directory is still the one we started in.
  expect_success_and_exit(*setup);
  EXPECT_EQ(tree_of(scratch() / "tools"), kInstalledTree);
}

TEST_F(WindowTest, BrowseConfirmedTakesTheChosenFile) {
  put_archive(make_archive(kPackage));
  const fs::path chosen = scratch() / utf8_path("选中");
  make_target(chosen);
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);

  ASSERT_TRUE(setup->click(setup->browse_button()));
  const HWND dialog = setup->wait_for_file_dialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(setup->set_file_dialog_name(dialog, a51_in(chosen)));
  ASSERT_TRUE(setup->press_dialog_button(dialog, IDOK));
  ASSERT_TRUE(setup->wait_until_gone(dialog));

  EXPECT_EQ(setup->path_text(), a51_in(chosen));
  expect_success_and_exit(*setup);
  EXPECT_EQ(tree_of(chosen), kInstalledTree);
  EXPECT_EQ(tree_of(scratch() / "tools"), "A51.EXE\n");
}

TEST_F(WindowTest, BrowseOpensInTheTargetDirectory) {
  const fs::path target = scratch() / "tools";
  auto setup = start({(target / "A51.EXE").wstring()});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);
  ASSERT_TRUE(setup->click(setup->browse_button()));
  const HWND dialog = setup->wait_for_file_dialog();
  ASSERT_NE(dialog, nullptr);
  // A bare name is taken in the dialog's directory, so it comes back as the full path
  // only when the dialog opened in the target directory.
  ASSERT_TRUE(setup->set_file_dialog_name(dialog, L"A51.EXE"));
  ASSERT_TRUE(setup->set_path_text(L"changed"));
  ASSERT_TRUE(setup->press_dialog_button(dialog, IDOK));
  ASSERT_TRUE(setup->wait_until_gone(dialog));
  EXPECT_EQ(setup->path_text(), a51_in(target));
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

TEST_F(WindowTest, TabMovesThroughPathCancelContinueAndEnterDoesNotInstall) {
  put_archive(make_archive(kPackage));
  auto setup = start({a51_in(scratch() / "tools")});
  ASSERT_TRUE(setup);
  ASSERT_NE(setup->main_window(), nullptr);
  EXPECT_TRUE(setup->wait_for_focus(setup->path_field())) << "the path field has the focus at start";

  ASSERT_TRUE(setup->press_key(VK_RETURN));
  EXPECT_FALSE(setup->wait_for_message_box(1000).has_value()) << "Enter started the installation";
  EXPECT_FALSE(fs::exists(scratch() / "tools" / "A51.INC"));

  const std::pair<const char*, HWND> order[] = {{"Cancel", setup->push_button(kCancel)},
                                                {"Continue", setup->push_button(kContinue)},
                                                {"path field", setup->path_field()}};
  for (const auto& [name, expected] : order) {
    ASSERT_TRUE(setup->press_key(VK_TAB));
    EXPECT_TRUE(setup->wait_for_focus(expected)) << "Tab should move to " << name;
  }
  ASSERT_TRUE(setup->click(setup->push_button(kCancel)));
  EXPECT_EQ(setup->wait_for_exit(), std::optional<DWORD>(0));
}

// --silent: the same program installs without a window, with the console's exit codes.
TEST_F(WindowTest, SilentInstallsWithoutAWindow) {
  put_archive(make_archive(kPackage));
  fs::current_path(setup_dir_);
  const ProgramResult result = run_program("dova-setup", {L"--silent", a51_in(scratch() / "tools")}, setup_dir_);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(tree_of(scratch() / "tools"), kInstalledTree);

  fs::remove(setup_dir_ / "DUVOVAV.DAT");
  const ProgramResult missing = run_program("dova-setup", {L"--silent", a51_in(scratch() / "tools")}, setup_dir_);
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("DUVOVAV.DAT"), std::string::npos) << missing.err;
}

// Unattended installs on many machines: whatever goes wrong, no window or message box
// waits for a user who is not there; the exit code and stderr say what happened.
TEST_F(WindowTest, SilentFailuresShowNoWindowAndEndWithTheirExitCode) {
  struct Case {
    const char* what;
    std::wstring switch_text;
    bool archive;
    std::wstring target;
    DWORD exit_code;
  };
  const Case cases[] = {
      {"archive missing", L"/S", false, a51_in(scratch() / "tools"), 1},
      {"target directory missing", L"/s", true, a51_in(scratch() / "nowhere"), 2},
      {"drive that does not exist", L"--silent", true, L"Q:\\TOOLS\\A51.EXE", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(setup_dir_ / "DUVOVAV.DAT");
    if (c.archive) put_archive(make_archive(kPackage));
    auto setup = start({c.switch_text, c.target});
    ASSERT_TRUE(setup);
    std::optional<DWORD> code;
    HWND shown = nullptr;
    for (DWORD waited = 0; !code && waited < SetupProcess::kPatience; waited += 5) {
      if (shown == nullptr) shown = setup->any_window();
      code = setup->wait_for_exit(5);
    }
    EXPECT_EQ(shown, nullptr) << "a window appeared during a silent install";
    EXPECT_EQ(code, std::optional<DWORD>(c.exit_code));
  }
}

TEST_F(WindowTest, SlashSInstallsSilentlyAndVersionPrintsTheProjectVersion) {
  put_archive(make_archive(kPackage));
  const ProgramResult result = run_program("dova-setup", {L"/S", a51_in(scratch() / "tools")}, setup_dir_);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(tree_of(scratch() / "tools"), kInstalledTree);

  const ProgramResult version = run_program("dova-setup", {L"--version"}, setup_dir_);
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "dova-setup " DOVA_VERSION "\n");
}

}  // namespace
