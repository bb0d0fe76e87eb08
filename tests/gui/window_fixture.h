// The scene of the window tests: a scratch directory with "setup" (the current
// directory of dova-setup.exe, where DUVOVAV.DAT goes) and "tools" (holding A51.EXE).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "archive_fixture.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "window_driver.h"

inline const std::wstring kSuccessCaption = L"安装";
inline const std::wstring kSuccessText = L"DOVA 中文汇编软件安装成功,祝你工作愉快!";
inline const std::wstring kFailedCaption = L"安装失败";
inline const std::wstring kArchiveMissingText = L"找不到安装程序文件 DUVOVAV.DAT !";
inline const std::wstring kCancel = L"取消";
inline const std::wstring kContinue = L"继续";

inline const std::vector<FixtureRecord> kPackage = {
    {"A51.INC", "first record, beside A51.EXE\r\n"},
    {"REG51.INC", std::string(40000, 'r')},  // more than one copy buffer
    {"寄存器.INC", "a Chinese name\r\n"},
};

// What the package above leaves under a target directory that held only A51.EXE.
inline constexpr char kInstalledTree[] =
    "A51.EXE\nA51.INC\nDINC/\nDINC/BAK/\nDINC/REG51.INC\nDINC/寄存器.INC\n";

class WindowTest : public ScratchDirectoryTest {
 protected:
  void SetUp() override {
    ScratchDirectoryTest::SetUp();
    setup_dir_ = scratch() / "setup";
    fs::create_directories(setup_dir_);
    make_target(scratch() / "tools");
  }

  void make_target(const fs::path& directory) {
    fs::create_directories(directory);
    write_file(directory / "A51.EXE", "MZ");
  }
  void put_archive(const std::string& bytes) { write_file(setup_dir_ / "DUVOVAV.DAT", bytes); }

  std::optional<SetupProcess> start(const std::vector<std::wstring>& arguments) {
    return SetupProcess::start((program_directory() / "dova-setup.exe").wstring(), arguments,
                               setup_dir_.wstring());
  }

  std::wstring a51_in(const fs::path& directory) { return (directory / "A51.EXE").wstring(); }

  // Continue, then the message box that it ends with; the box is left open.
  static MessageBoxView press_continue(const SetupProcess& setup) {
    EXPECT_TRUE(setup.click(setup.push_button(kContinue)));
    const std::optional<MessageBoxView> box = setup.wait_for_message_box();
    EXPECT_TRUE(box.has_value()) << "no message box after Continue";
    return box.value_or(MessageBoxView{});
  }

  static void dismiss(const SetupProcess& setup, const MessageBoxView& box) {
    ASSERT_TRUE(setup.press_dialog_button(box.window, IDOK));
    ASSERT_TRUE(setup.wait_until_gone(box.window));
  }

  // A successful installation to its end: success box, OK, exit code 0.
  static void expect_success_and_exit(const SetupProcess& setup) {
    const MessageBoxView box = press_continue(setup);
    EXPECT_EQ(box.caption, kSuccessCaption);
    EXPECT_EQ(box.text, kSuccessText);
    EXPECT_EQ(setup.read_gauge().text, L"100%");
    dismiss(setup, box);
    EXPECT_EQ(setup.wait_for_exit(), std::optional<DWORD>(0));
  }

  fs::path setup_dir_;
};
