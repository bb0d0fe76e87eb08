// Archives and paths made to attack the installer: names that try to leave their
// directory or trip the system, output paths at the length limits, directories it
// may not write to, lengths that lie, and a payload past 32 bits.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "archive_fixture.h"
#include "archive_writer.h"
#include "file_io.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "install_fixture.h"
#include "scratch_directory.h"
#include "target_path.h"
#include "text_encoding.h"

namespace {

using HostileArchiveTest = InstallTest;

std::string record_of(const std::string& cp936_name, const std::string& data) {
  std::string archive;
  append_record(archive, cp936_name, data);
  return archive;
}

// ---- Names ----------------------------------------------------------------------

enum class Verdict { kInstalls, kRefused, kEither };

struct NameCase {
  const char* label;
  std::string cp936;
  Verdict verdict;  // kEither where systems differ; then only what must always hold is checked
};

class HostileName : public HostileArchiveTest, public ::testing::WithParamInterface<NameCase> {};

// Whatever a name does, the record lands in "DINC" under that name or the user is told,
// the record after it is never installed after a failure, and nothing appears outside
// the target.
TEST_P(HostileName, LandsInsideTheTargetOrIsRefused) {
  const NameCase& c = GetParam();
  write_file("DUVOVAV.DAT", make_archive({{"FIRST", "1"}}) + record_of(c.cp936, "payload") +
                                make_archive({{"LAST", "3"}}));
  const InstallOutcome outcome = install(tools_a51());

  ASSERT_EQ(window.messages.size(), 1u);
  const std::string tree = tree_of(".");
  for (std::size_t start = 0, end; (end = tree.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string entry = tree.substr(start, end - start);
    EXPECT_TRUE(entry == "DUVOVAV.DAT" || entry.rfind("tools/", 0) == 0) << "outside the target: " << entry;
  }
  if (outcome.installed()) {
    EXPECT_NE(c.verdict, Verdict::kRefused) << window.messages[0].text;
    EXPECT_TRUE(window.closed);
    const std::optional<NativeString> name = native_from_cp936(c.cp936);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(read_file(fs::path("tools/DINC") / *name), "payload");
    EXPECT_EQ(read_file("tools/DINC/LAST"), "3");
    EXPECT_EQ(read_file("tools/FIRST"), "1");
    // The name, LAST and BAK: the name made one entry, not more, not elsewhere.
    EXPECT_EQ(std::count(tree.begin(), tree.end(), '\n'), 7) << tree;
  } else {
    EXPECT_NE(c.verdict, Verdict::kInstalls) << window.messages[0].text;
    EXPECT_EQ(outcome.record_index, 1u);
    expect_failure_shown("安装没有完成。");
    EXPECT_EQ(tree_of("tools"), "DINC/\nFIRST\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileName,
    ::testing::Values(
        // 0x5C as the trail byte of 乗 (81 5C): one character, never a separator.
        NameCase{"TrailByte5C", "\x81\x5C", Verdict::kInstalls},
        NameCase{"TrailByte5CTwice", "\x81\x5C\x81\x5C.INC", Verdict::kInstalls},
        NameCase{"TrailByte5CThenDots", "\x81\x5C..", Verdict::kInstalls},
        NameCase{"SeventeenBytes", cp936_of("寄存器寄存器寄存器") .substr(0, 16) + "A", Verdict::kInstalls},
        NameCase{"DeviceWithSpace", "CON .INC", Verdict::kRefused},
        NameCase{"DeviceLowerCase", "com1.inc", Verdict::kRefused},
        NameCase{"ConsoleInput", "conin$", Verdict::kRefused},
        NameCase{"AuxWithExtension", "AUX.H", Verdict::kRefused},
        NameCase{"DotsAndSpace", ".. ", Verdict::kRefused},
        NameCase{"DotSpace", ". ", Verdict::kRefused},
        NameCase{"TrailingDot", "A.", Verdict::kEither},
        NameCase{"TrailingSpace", "A ", Verdict::kEither},
        NameCase{"Wildcards", "a*?b", Verdict::kRefused},
        NameCase{"Redirections", "a<b>c|d", Verdict::kRefused},
        NameCase{"Quote", "a\"b", Verdict::kRefused},
        NameCase{"ControlCharacter", "a\x01" "b", Verdict::kRefused},
        NameCase{"Delete", "a\x7F", Verdict::kEither}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// A record 0 whose name has a 0x5C trail byte goes beside A51.EXE, not into a
// subdirectory named by its lead byte.
TEST_F(HostileArchiveTest, TrailByte5CInRecordZero) {
  write_file("DUVOVAV.DAT", record_of("\x81\x5C.EXE", "zero") + make_archive({{"LAST", "3"}}));
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/LAST\n乗.EXE\n");
}

// ---- Output paths at the limit ----------------------------------------------------

// A directory below base whose path, with its separator, is exactly `length` long.
fs::path directory_of_length(fs::path base, std::size_t length) {
  std::size_t remaining = length - base.native().size() - 1;  // less the final separator
  char letter = 'a';
  while (remaining > 0) {
    // Each part costs its length plus a separator; never leave one unit over.
    std::size_t part = std::min<std::size_t>(remaining - 1, 100);
    if (remaining - 1 - part == 1) part -= 1;
    base /= std::string(part, letter++);
    remaining -= part + 1;
  }
  fs::create_directories(base);
  return base;
}

// Both bounds hold exactly: the system's (259 on Windows) and the 959 of the old
// 960-byte buffer (on POSIX). At the limit the record installs; one past, it is
// refused before anything is created for it.
TEST_F(HostileArchiveTest, OutputPathsAtTheLimitInstallAndOnePastAreRefused) {
  const std::size_t limit = std::min(kMaxOutputPathLength, system_file_system().max_path_length());
  const std::string longest_name(kMaxNameBytes, 'N');
  const std::size_t dinc_part = std::string("DINC/").size();
  write_file("DUVOVAV.DAT", make_archive({{"A", "0"}, {longest_name, "at the limit"}}));
  for (const std::size_t over : {std::size_t{0}, std::size_t{1}}) {
    SCOPED_TRACE(over);
    const fs::path target =
        directory_of_length(fs::current_path() / ("L" + std::to_string(over)), limit + over - dinc_part - kMaxNameBytes);
    const NativeString path_text = (target / "A51.EXE").native();
    const NativeString output = target_directory(path_text) + NATIVE_TEXT("DINC") + kDirectorySeparator +
                                native_from_utf8(longest_name);
    ASSERT_EQ(output.size(), limit + over);

    const InstallOutcome outcome = install(path_text);
    if (over == 0) {
      EXPECT_TRUE(outcome.installed());
      EXPECT_EQ(read_file(output), "at the limit");
    } else {
      EXPECT_EQ(outcome.status, InstallStatus::kPathTooLong);
      expect_failure_shown("第 2 个文件“" + longest_name + "”的安装路径太长");
      EXPECT_EQ(tree_of(target), "A\nDINC/\n");
    }
  }
}

// ---- Directories the installer may not write to ------------------------------------

#ifndef _WIN32
// Runs an installation in a child process as an unprivileged user, since root writes
// into read-only directories anyway. The child's exit code is the outcome's status, or
// 100 and more when it could not drop root or the user was not told.
int install_unprivileged(const NativeString& path_text) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
    RecordingWindow window(path_text);
    const InstallOutcome outcome = run_install_procedure(window, system_file_system());
    const bool told = window.messages.size() == 1 && window.messages[0].caption == kFailedCaption &&
                      window.messages[0].flags == kMessageErrorIcon && !window.closed;
    ::_exit(told ? static_cast<int>(outcome.status) : 101);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(HostileArchiveTest, ReadOnlyDirectoriesAreReportedAndKeepTheirFiles) {
  write_file("DUVOVAV.DAT", make_archive({{"FIRST", "1"}, {"SECOND", "2"}}));
  fs::permissions(".", fs::perms::all);  // the unprivileged user reads the archive

  // The target itself: not even "DINC" can be made.
  fs::permissions("tools", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(install_unprivileged(tools_a51()), static_cast<int>(InstallStatus::kDirectoryFailed));
  EXPECT_EQ(tree_of("tools"), "");

  // A read-only "DINC" in a writable target: record 0 lands, record 1 cannot.
  fs::permissions("tools", fs::perms::all);
  fs::create_directory("tools/DINC");
  fs::permissions("tools/DINC", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
  EXPECT_EQ(install_unprivileged(tools_a51()), static_cast<int>(InstallStatus::kFileCreateFailed));
  EXPECT_EQ(tree_of("tools"), "DINC/\nFIRST\n");
  EXPECT_EQ(read_file("tools/FIRST"), "1");
  fs::permissions("tools/DINC", fs::perms::all);
}
#endif

// ---- Lengths that lie ---------------------------------------------------------------

struct LengthCase {
  const char* label;
  std::int32_t length;
  bool installs;  // no data at all, or data cut short
};

class LyingLength : public HostileArchiveTest, public ::testing::WithParamInterface<LengthCase> {};

// The record is followed by 5 bytes only. No data means an empty file and those bytes
// are ignored trailing bytes; any positive length is data cut short.
TEST_P(LyingLength, ShortDataIsEmptyFileOrDamage) {
  const LengthCase& c = GetParam();
  const RecordHeader header = encode_record_header("ODD", c.length);
  std::string short_data = "short";
  for (char& byte : short_data) byte = static_cast<char>(((byte & 0xFF) << 1 | (byte & 0xFF) >> 7) & 0xFF);
  write_file("DUVOVAV.DAT", make_archive({{"FIRST", "1"}}) + std::string(header.begin(), header.end()) + short_data);
  const InstallOutcome outcome = install(tools_a51());
  if (c.installs) {
    EXPECT_TRUE(outcome.installed());
    EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/ODD\nFIRST\n");
    EXPECT_EQ(read_file("tools/DINC/ODD"), "");
  } else {
    EXPECT_EQ(outcome.status, InstallStatus::kArchiveDamaged);
    EXPECT_EQ(outcome.partial_file, PartialFile::kRemoved);
    expect_failure_shown("“ODD”的数据不完整");
    EXPECT_EQ(tree_of("tools"), "DINC/\nFIRST\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Lengths, LyingLength,
                         ::testing::Values(LengthCase{"Zero", 0, true}, LengthCase{"MinusOne", -1, true},
                                           LengthCase{"Lowest", INT32_MIN, true},
                                           LengthCase{"Largest", INT32_MAX, false},
                                           LengthCase{"OnePiece", static_cast<std::int32_t>(kCopyBufferSize), false},
                                           LengthCase{"OnePieceAndOne", static_cast<std::int32_t>(kCopyBufferSize) + 1, false}),
                         [](const auto& param_info) { return std::string(param_info.param.label); });

// ---- A payload past 32 bits -----------------------------------------------------------

// Keeps count of what is written instead of storing it: the size of each file and
// every byte that is not zero, with its offset.
class CountingFileSystem final : public FileSystem {
 public:
  struct Written {
    std::uint64_t size = 0;
    std::map<std::uint64_t, int> marks;
  };

  bool create_directory(const NativeString& p) override { return system_file_system().create_directory(p); }
  bool is_directory(const NativeString& p) override { return system_file_system().is_directory(p); }
  NativeString short_path(const NativeString& p) override { return system_file_system().short_path(p); }
  std::FILE* create_file(const NativeString& path) override {
    current_ = &files[path];
    *current_ = {};
#ifdef _WIN32
    return open_file(L"NUL", "wb");
#else
    return open_file("/dev/null", "wb");
#endif
  }
  std::size_t write(std::FILE*, const void* data, std::size_t size) override {
    static const std::array<std::uint8_t, kCopyBufferSize> zeros{};
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (size > zeros.size() || std::memcmp(bytes, zeros.data(), size) != 0) {
      for (std::size_t i = 0; i < size && current_->marks.size() < 100; ++i) {
        if (bytes[i] != 0) current_->marks[current_->size + i] = bytes[i];
      }
    }
    current_->size += size;
    return size;
  }
  bool close(std::FILE* file) override { return std::fclose(file) == 0; }
  bool remove_file(const NativeString& path) override { return files.erase(path) == 1; }
  std::size_t max_path_length() const override { return system_file_system().max_path_length(); }

  std::map<NativeString, Written> files;

 private:
  Written* current_ = nullptr;
};

std::uint8_t stored(std::uint8_t plain) { return static_cast<std::uint8_t>(plain << 1 | plain >> 7); }

// 2 GiB - 1 and 1 GiB + 1 of data, then a small record: 3 GiB in all. The archive is a
// sparse file, holes for zero bytes (stored zero is zero), with a few marked bytes that
// must come out at exactly their offsets.
TEST_F(HostileArchiveTest, ThreeGibibytePayloadIsCopiedWhole) {
  const std::int64_t sizes[] = {INT32_MAX, (std::int64_t{1} << 30) + 1};
  const std::map<std::uint64_t, int> marks[] = {
      {{0, 0x11}, {kCopyBufferSize - 1, 0x22}, {kCopyBufferSize, 0x33}, {std::uint64_t{1} << 30, 0x44},
       {INT32_MAX - 1, 0x55}},
      {{0, 0x66}, {std::uint64_t{1} << 30, 0x77}}};
  {
    std::ofstream out("DUVOVAV.DAT", std::ios::binary);
    std::int64_t at = 0;
    for (int i = 0; i < 2; ++i) {
      const RecordHeader header = encode_record_header(i == 0 ? "HUGE0" : "HUGE1", static_cast<std::int32_t>(sizes[i]));
      out.seekp(at);
      out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
      at += static_cast<std::int64_t>(header.size());
      for (const auto& [offset, value] : marks[i]) {
        out.seekp(at + static_cast<std::int64_t>(offset));
        out.put(static_cast<char>(stored(static_cast<std::uint8_t>(value))));
      }
      at += sizes[i];
    }
    out.seekp(at);
    const std::string tail = record_of("TAIL", "tail");
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
    ASSERT_TRUE(out.good());
  }

  CountingFileSystem files;
  const InstallOutcome outcome = install(tools_a51(), files);
  EXPECT_TRUE(outcome.installed());
  const NativeString target = target_directory(tools_a51());
  const NativeString dinc = target + NATIVE_TEXT("DINC") + kDirectorySeparator;
  ASSERT_EQ(files.files.size(), 3u);
  EXPECT_EQ(files.files[target + NATIVE_TEXT("HUGE0")].size, static_cast<std::uint64_t>(sizes[0]));
  EXPECT_EQ(files.files[target + NATIVE_TEXT("HUGE0")].marks, marks[0]);
  EXPECT_EQ(files.files[dinc + NATIVE_TEXT("HUGE1")].size, static_cast<std::uint64_t>(sizes[1]));
  EXPECT_EQ(files.files[dinc + NATIVE_TEXT("HUGE1")].marks, marks[1]);
  const std::map<std::uint64_t, int> tail = {{0, 't'}, {1, 'a'}, {2, 'i'}, {3, 'l'}};
  EXPECT_EQ(files.files[dinc + NATIVE_TEXT("TAIL")].marks, tail);
}

}  // namespace
