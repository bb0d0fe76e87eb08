// A disk that fills up during an installation: a small tmpfs, mounted by the test (it
// needs root; without it, or without mount, the test is skipped and says why).
#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "recording_window.h"
#include "scratch_directory.h"

namespace {

constexpr char kDiskSize[] = "size=256k";

class FullDiskTest : public ScratchDirectoryTest {
 protected:
  void SetUp() override {
    ScratchDirectoryTest::SetUp();
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    disk_ = fs::absolute("disk");
    fs::create_directory(disk_);
    if (::mount("dova-full-disk", disk_.c_str(), "tmpfs", 0, kDiskSize) != 0) {
      GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    mounted_ = true;
  }

  void TearDown() override {
    if (mounted_ && ::umount(disk_.c_str()) != 0) ::umount2(disk_.c_str(), MNT_DETACH);
    ScratchDirectoryTest::TearDown();
  }

  fs::path disk_;
  bool mounted_ = false;
};

std::string pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('A' + i % 23);
  return bytes;
}

struct FullDiskCase {
  const char* label;
  std::vector<FixtureRecord> records;
  const char* torn;        // the record the disk fills up in
  const char* tree_after;  // what stays on the disk
};

class FullDisk : public FullDiskTest, public ::testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDisk, TornFileIsRemovedAndEarlierFilesStayWhole) {
  const FullDiskCase& c = GetParam();
  write_file("DUVOVAV.DAT", make_archive(c.records));
  RecordingWindow window((disk_ / "A51.EXE").native());
  const InstallOutcome outcome = run_install_procedure(window, system_file_system());

  EXPECT_EQ(outcome.status, InstallStatus::kWriteFailed);
  EXPECT_EQ(outcome.partial_file, PartialFile::kRemoved);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_NE(window.messages[0].text.find(std::string(c.torn) + "”失败,磁盘可能已满!"), std::string::npos)
      << window.messages[0].text;
  EXPECT_NE(window.messages[0].text.find("未写完的文件已删除。"), std::string::npos);
  EXPECT_EQ(window.messages[0].caption, kFailedCaption);
  EXPECT_EQ(window.messages[0].flags, kMessageErrorIcon);
  EXPECT_FALSE(window.closed);
  EXPECT_EQ(tree_of(disk_), c.tree_after);
  for (const FixtureRecord& record : c.records) {
    const fs::path path = (record.name == c.records[0].name ? disk_ : disk_ / "DINC") / record.name;
    if (fs::exists(path)) {
      EXPECT_EQ(read_file(path), record.data) << record.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tmpfs, FullDisk,
    ::testing::Values(
        FullDiskCase{"InALaterRecord",
                     {{"FIRST.EXE", pattern(4096)}, {"SMALL.INC", pattern(100)}, {"BIG.INC", pattern(1 << 20)},
                      {"LAST.INC", "last"}},
                     "BIG.INC", "DINC/\nDINC/SMALL.INC\nFIRST.EXE\n"},
        FullDiskCase{"InTheFirstRecord", {{"HUGE.EXE", pattern(1 << 20)}, {"LAST.INC", "last"}}, "HUGE.EXE", "DINC/\n"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

}  // namespace
#endif
