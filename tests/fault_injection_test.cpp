// Every call that an installation makes to the file system, failed in turn. Whatever
// fails, the user is told, no torn file is left looking installed, and nothing after
// the failure is read or written.
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "faulty_file_system.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "recording_window.h"
#include "scratch_directory.h"
#include "text_encoding.h"

namespace {

using Call = FaultyFileSystem::Call;

// One record in the target, one copied in three pieces, one empty, one Chinese name.
std::vector<FixtureRecord> test_records() {
  std::string big(2 * kCopyBufferSize + 100, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 253);
  return {{"FIRST.EXE", "first"}, {"BIG.INC", big}, {"EMPTY.INC", ""}, {"最后.INC", "last"}};
}

// The tree under "tools" after the first `done` records were installed.
std::string tree_after(std::size_t done, bool with_dinc, bool with_bak) {
  const std::vector<FixtureRecord> records = test_records();
  std::set<std::string> entries;
  if (with_dinc) entries.insert("DINC/");
  if (with_bak) entries.insert("DINC/BAK/");
  for (std::size_t i = 0; i < done; ++i) entries.insert((i == 0 ? "" : "DINC/") + records[i].name);
  std::string tree;
  for (const std::string& entry : entries) tree += entry + "\n";
  return tree;
}

// The last part of a path, whatever separators end it: what a message must name.
std::string last_part(NativeString path) {
  while (!path.empty() && (path.back() == NATIVE_TEXT('/') || path.back() == NATIVE_TEXT('\\'))) path.pop_back();
  return utf8_from_native(fs::path(path).filename().native());
}

// Nothing lands beside "tools": its tree, as seen from the scratch directory.
std::string under_tools(const std::string& tree) {
  std::string prefixed;
  for (std::size_t start = 0, end; (end = tree.find('\n', start)) != std::string::npos; start = end + 1) {
    prefixed += "tools/" + tree.substr(start, end - start + 1);
  }
  return prefixed;
}

struct Expected {
  InstallStatus status;
  std::size_t done;  // records installed whole before the failure
  std::string tree;
  bool torn_file;  // the failure hit a file that was being written
};

class FaultInjectionTest : public ScratchDirectoryTest {
 protected:
  void SetUp() override {
    ScratchDirectoryTest::SetUp();
    write_file("DUVOVAV.DAT", make_archive(test_records()));
    // A clean run tells every call there is to fail.
    FaultyFileSystem clean;
    ASSERT_TRUE(install(clean).installed());
    ASSERT_EQ(tree_of("tools"), tree_after(4, true, true));
    clean_log = clean.log;
  }

  InstallOutcome install(FaultyFileSystem& files) {
    fs::remove_all("tools");
    fs::create_directory("tools");
    window = RecordingWindow((fs::current_path() / "tools" / "A51.EXE").native());
    return run_install_procedure(window, files);
  }

  // What a run that fails at clean_log[position] must leave.
  Expected expected_at(std::size_t position) const {
    std::size_t created = 0;
    for (std::size_t i = 0; i < position; ++i) created += clean_log[i].call == Call::kCreateFile;
    switch (clean_log[position].call) {
      case Call::kIsDirectory: return {InstallStatus::kTargetMissing, 0, "", false};
      case Call::kCreateDirectory:
        return {InstallStatus::kDirectoryFailed, created, created == 0 ? "" : tree_after(created, true, false), false};
      case Call::kCreateFile:
        return {InstallStatus::kFileCreateFailed, created, tree_after(created, true, false), false};
      case Call::kWrite:
      case Call::kClose: return {InstallStatus::kWriteFailed, created - 1, tree_after(created - 1, true, false), true};
      case Call::kRemoveFile: break;
    }
    ADD_FAILURE() << "a clean run removes nothing";
    return {};
  }

  void expect_error_shown_naming(const NativeString& path) {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].caption, kFailedCaption);
    EXPECT_EQ(window.messages[0].flags, kMessageErrorIcon);
    EXPECT_NE(window.messages[0].text.find(last_part(path)), std::string::npos) << window.messages[0].text;
    EXPECT_FALSE(window.closed);
  }

  // After the failing call only the torn file's own close and removal may follow: no
  // later record is read or created.
  void expect_nothing_after(const FaultyFileSystem& files, std::size_t position) {
    ASSERT_GT(files.log.size(), position);
    for (std::size_t i = position + 1; i < files.log.size(); ++i) {
      const FaultyFileSystem::Entry& entry = files.log[i];
      EXPECT_TRUE(entry.call == Call::kClose || entry.call == Call::kRemoveFile) << call_name(entry.call);
      EXPECT_EQ(entry.path, files.log[position].path);
    }
  }

  RecordingWindow window;
  std::vector<FaultyFileSystem::Entry> clean_log;
};

TEST_F(FaultInjectionTest, EveryFailingCallIsReportedAndLeavesOnlyWholeFiles) {
  std::map<Call, int> seen;
  for (std::size_t position = 0; position < clean_log.size(); ++position) {
    const Call call = clean_log[position].call;
    const int occurrence = ++seen[call];
    SCOPED_TRACE(std::string(call_name(call)) + " #" + std::to_string(occurrence) + " on " +
                 utf8_from_native(clean_log[position].path));
    const Expected expected = expected_at(position);

    FaultyFileSystem files;
    files.fail(call, occurrence);
    const InstallOutcome outcome = install(files);

    EXPECT_EQ(outcome.status, expected.status);
    EXPECT_EQ(outcome.records_installed, expected.done);
    EXPECT_EQ(outcome.partial_file, expected.torn_file ? PartialFile::kRemoved : PartialFile::kNone);
    expect_error_shown_naming(clean_log[position].path);
    if (expected.torn_file) {
      EXPECT_NE(window.messages[0].text.find("未写完的文件已删除。"), std::string::npos);
    }
    EXPECT_EQ(tree_of("tools"), expected.tree);
    EXPECT_EQ(tree_of("."), "DUVOVAV.DAT\ntools/\n" + under_tools(expected.tree));
    for (const FixtureRecord& record : test_records()) {
      const fs::path path = fs::path("tools") / (record.name == "FIRST.EXE" ? "" : "DINC") / utf8_path(record.name);
      if (fs::exists(path)) {
        EXPECT_EQ(read_file(path), record.data) << record.name;
      }
    }
    expect_nothing_after(files, position);
  }
  // The table above is only as good as the calls it went through.
  EXPECT_EQ(seen[Call::kIsDirectory], 1);
  EXPECT_EQ(seen[Call::kCreateDirectory], 2);
  EXPECT_EQ(seen[Call::kCreateFile], 4);
  EXPECT_EQ(seen[Call::kWrite], 5);
  EXPECT_EQ(seen[Call::kClose], 4);
}

// When the torn file cannot be removed either, the message says so and names it, so
// that nobody takes it for installed.
TEST_F(FaultInjectionTest, TornFileThatCannotBeRemovedIsNamedInTheMessage) {
  std::map<Call, int> seen;
  for (std::size_t position = 0; position < clean_log.size(); ++position) {
    const Call call = clean_log[position].call;
    const int occurrence = ++seen[call];
    if (call != Call::kWrite && call != Call::kClose) continue;
    SCOPED_TRACE(std::string(call_name(call)) + " #" + std::to_string(occurrence));

    FaultyFileSystem files;
    files.fail(call, occurrence);
    files.fail(Call::kRemoveFile, 1);
    const InstallOutcome outcome = install(files);

    EXPECT_EQ(outcome.status, InstallStatus::kWriteFailed);
    EXPECT_EQ(outcome.partial_file, PartialFile::kLeft);
    expect_error_shown_naming(clean_log[position].path);
    EXPECT_NE(window.messages[0].text.find("无法删除,请手动删除。"), std::string::npos) << window.messages[0].text;
    EXPECT_TRUE(fs::exists(clean_log[position].path));
    expect_nothing_after(files, position);
  }
}

}  // namespace
