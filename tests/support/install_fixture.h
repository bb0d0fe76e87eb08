// Runs the install procedure in a scratch directory that holds an empty "tools"
// directory, where A51.EXE would be, with a recording window.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "file_system.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "recording_window.h"
#include "scratch_directory.h"

class InstallTest : public ScratchDirectoryTest {
 protected:
  void SetUp() override {
    ScratchDirectoryTest::SetUp();
    fs::create_directory("tools");
  }

  // The path text for A51.EXE in "tools", as a user would type it.
  static NativeString tools_a51() { return (fs::current_path() / "tools" / "A51.EXE").native(); }

  InstallOutcome install(const NativeString& path_text, FileSystem& files = system_file_system()) {
    window = RecordingWindow(path_text);
    return run_install_procedure(window, files);
  }

  // Exactly one error box holding text_part; the window stays open.
  void expect_failure_shown(const std::string& text_part) {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].text.find(text_part), std::string::npos) << window.messages[0].text;
    EXPECT_EQ(window.messages[0].caption, kFailedCaption);
    EXPECT_EQ(window.messages[0].flags, kMessageErrorIcon);
    EXPECT_FALSE(window.closed);
  }

  RecordingWindow window;
};
