// The install procedure on real scratch directories, with a recording window.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "archive_writer.h"
#include "faulty_file_system.h"
#include "file_system.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "install_fixture.h"
#include "scratch_directory.h"
#include "target_path.h"
#include "text_encoding.h"

namespace {

const std::vector<FixtureRecord> kThreeRecords = {
    {"DOVA.EXE", "main program"}, {"REG51.INC", "P0 DATA 80H\n"}, {"寄存器.INC", "中文"}};


TEST_F(InstallTest, TypicalRunPlacesRecordZeroBesideA51AndTheRestInDinc) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  const InstallOutcome outcome = install(tools_a51());

  EXPECT_TRUE(outcome.installed());
  EXPECT_EQ(outcome.records_installed, 3u);
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/REG51.INC\nDINC/寄存器.INC\nDOVA.EXE\n");
  EXPECT_EQ(read_file("tools/DOVA.EXE"), "main program");
  EXPECT_EQ(read_file(fs::path("tools/DINC") / utf8_path("寄存器.INC")), "中文");
  EXPECT_TRUE(window.gauge_shown);
  EXPECT_EQ(window.gauge, (std::vector<int>{0, 5, 10, 15, 100}));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "DOVA 中文汇编软件安装成功,祝你工作愉快!");
  EXPECT_EQ(window.messages[0].caption, "安装");
  EXPECT_EQ(window.messages[0].flags, 48u);
  EXPECT_TRUE(window.closed);
}

TEST_F(InstallTest, EmptyPathTextInstallsIntoTheCurrentDirectory) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  EXPECT_TRUE(install(NATIVE_TEXT("")).installed());
  EXPECT_EQ(read_file("DOVA.EXE"), "main program");
  EXPECT_EQ(read_file("DINC/REG51.INC"), "P0 DATA 80H\n");
  EXPECT_TRUE(fs::is_directory("DINC/BAK"));
}

TEST_F(InstallTest, ExistingFilesAreOverwritten) {
  fs::create_directory("tools/DINC");
  write_file("tools/DINC/REG51.INC", "an older and much longer file");
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_EQ(read_file("tools/DINC/REG51.INC"), "P0 DATA 80H\n");
}

TEST_F(InstallTest, MissingArchiveTouchesNothingAndContinueWorksOnceItIsThere) {
  EXPECT_EQ(install(tools_a51()).status, InstallStatus::kArchiveMissing);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "找不到安装程序文件 DUVOVAV.DAT !");
  expect_failure_shown("DUVOVAV.DAT");
  EXPECT_TRUE(window.gauge_shown);
  EXPECT_EQ(tree_of("."), "tools/\n");

  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_TRUE(window.closed);
}

TEST_F(InstallTest, TargetThatIsNotAnExistingDirectoryIsRefusedBeforeAnythingIsCreated) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  write_file("plainfile", "");
  for (const char* path : {"nowhere/A51.EXE", "plainfile/A51.EXE"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(install(native_from_utf8(path)).status, InstallStatus::kTargetMissing);
    expect_failure_shown(path[0] == 'n' ? "nowhere" : "plainfile");
    EXPECT_EQ(tree_of("."), "DUVOVAV.DAT\nplainfile\ntools/\n");
  }
}

TEST_F(InstallTest, ArchivesWithoutACompleteRecordStillMakeTheDirectories) {
  for (const std::string& stored : {std::string(), std::string(17, '\x55')}) {
    write_file("DUVOVAV.DAT", stored);
    EXPECT_TRUE(install(tools_a51()).installed());
    EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\n");
    EXPECT_EQ(window.gauge, (std::vector<int>{0, 100}));
  }
}

TEST_F(InstallTest, RecordsWithoutDataBecomeEmptyFiles) {
  std::string archive = make_archive({{"FIRST", ""}});
  const RecordHeader minus_one = encode_record_header("MINUS", -1);
  archive.append(minus_one.begin(), minus_one.end());
  write_file("DUVOVAV.DAT", archive);
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/MINUS\nFIRST\n");
}

TEST_F(InstallTest, GaugeIsFullFromTheTwentyFirstRecordAndRecordsNeverWrap) {
  std::vector<FixtureRecord> records;
  for (int i = 0; i < 300; ++i) records.push_back({"F" + std::to_string(i), std::to_string(i)});
  write_file("DUVOVAV.DAT", make_archive(records));
  EXPECT_TRUE(install(tools_a51()).installed());

  std::vector<int> expected;
  for (int i = 0; i <= 300; ++i) expected.push_back(std::min(5 * i, 100));
  expected.push_back(100);
  EXPECT_EQ(window.gauge, expected);
  EXPECT_EQ(read_file("tools/F0"), "0");
  EXPECT_FALSE(fs::exists("tools/F256"));
  EXPECT_EQ(read_file("tools/DINC/F256"), "256");
  EXPECT_EQ(read_file("tools/DINC/F299"), "299");
}

TEST_F(InstallTest, LargeRecordsAreCopiedWholeAcrossManyPieces) {
  std::string big(3 * kCopyBufferSize + 123, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 251);
  write_file("DUVOVAV.DAT", make_archive({{"BIG", big}, {"EXACT", big.substr(0, kCopyBufferSize)}}));
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_EQ(read_file("tools/BIG"), big);
  EXPECT_EQ(read_file("tools/DINC/EXACT"), big.substr(0, kCopyBufferSize));
}

// A name whose trail byte is 0x5C ("\") is one character, not a separator.
TEST_F(InstallTest, ChineseNamesLandAsTheSameCharacters) {
  write_file("DUVOVAV.DAT", make_archive({{"说明.TXT", "a"}, {"乗.INC", "b"}, {"寄存器.INC", "c"}}));
  EXPECT_TRUE(install(tools_a51()).installed());
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/乗.INC\nDINC/寄存器.INC\n说明.TXT\n");
}

TEST_F(InstallTest, ChineseTargetDirectory) {
  const fs::path target = utf8_path("工具箱");
  fs::create_directory(target);
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  EXPECT_TRUE(install((fs::current_path() / target / "A51.EXE").native()).installed());
  EXPECT_EQ(tree_of(target), "DINC/\nDINC/BAK/\nDINC/REG51.INC\nDINC/寄存器.INC\nDOVA.EXE\n");
}

struct DamageCase {
  const char* label;
  std::string archive;  // appended after one sound record, "GOOD" in DINC
  ArchiveDamage damage;
  NameProblem name_problem;
  const char* text_part;
};

std::string stored_name(const std::string& cp936) {
  std::string archive;
  append_record(archive, cp936, "data");
  return archive;
}

class DamagedArchiveTest : public InstallTest, public ::testing::WithParamInterface<DamageCase> {};

// A damaged record stops the installation before anything is created for it; what was
// installed before it stays, and the user is told which record is wrong.
TEST_P(DamagedArchiveTest, StopsAtTheDamagedRecord) {
  const DamageCase& c = GetParam();
  write_file("DUVOVAV.DAT", make_archive({{"FIRST", "1"}, {"GOOD", "2"}}) + c.archive);
  const InstallOutcome outcome = install(tools_a51());

  EXPECT_EQ(outcome.status, InstallStatus::kArchiveDamaged);
  EXPECT_EQ(outcome.damage, c.damage);
  EXPECT_EQ(outcome.name_problem, c.name_problem);
  EXPECT_EQ(outcome.record_index, 2u);
  expect_failure_shown("DUVOVAV.DAT 已损坏:第 3 个文件");
  expect_failure_shown(c.text_part);
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/GOOD\nFIRST\n");
  EXPECT_EQ(tree_of("."), "DUVOVAV.DAT\ntools/\ntools/DINC/\ntools/DINC/GOOD\ntools/FIRST\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rulings, DamagedArchiveTest,
    ::testing::Values(
        DamageCase{"LengthCut", stored_name("X").substr(0, 20), ArchiveDamage::kLengthCut, NameProblem::kNone, "“X”的长度不完整"},
        DamageCase{"DataCut", stored_name("CUT").substr(0, 25), ArchiveDamage::kDataCut, NameProblem::kNone, "“CUT”的数据不完整"},
        DamageCase{"Unterminated", std::string(18, '\x82') + std::string(4, '\0'), ArchiveDamage::kBadName, NameProblem::kUnterminated, "的文件名没有结束符"},
        DamageCase{"Empty", stored_name(""), ArchiveDamage::kBadName, NameProblem::kEmpty, "没有文件名"},
        DamageCase{"Dot", stored_name("."), ArchiveDamage::kBadName, NameProblem::kDotsOnly, "只有句点"},
        DamageCase{"DotDot", stored_name(".."), ArchiveDamage::kBadName, NameProblem::kDotsOnly, "只有句点"},
        DamageCase{"ParentBackslash", stored_name("..\\..\\x"), ArchiveDamage::kBadName, NameProblem::kSeparator, "路径符号"},
        DamageCase{"Slash", stored_name("a/b"), ArchiveDamage::kBadName, NameProblem::kSeparator, "路径符号"},
        DamageCase{"Absolute", stored_name("/etc/x"), ArchiveDamage::kBadName, NameProblem::kSeparator, "路径符号"},
        DamageCase{"DriveQualified", stored_name("C:x"), ArchiveDamage::kBadName, NameProblem::kSeparator, "路径符号"},
        DamageCase{"LoneLeadByte", stored_name("A\x81"), ArchiveDamage::kBadName, NameProblem::kNotCodePage936, "编码"},
        DamageCase{"InvalidByte", stored_name("\xFF" "A"), ArchiveDamage::kBadName, NameProblem::kNotCodePage936, "编码"},
        DamageCase{"Device", stored_name("CON"), ArchiveDamage::kBadName, NameProblem::kDeviceName, "设备名"},
        DamageCase{"DeviceWithExtension", stored_name("nul.inc"), ArchiveDamage::kBadName, NameProblem::kDeviceName, "设备名"},
        DamageCase{"Port", stored_name("COM1"), ArchiveDamage::kBadName, NameProblem::kDeviceName, "设备名"},
        DamageCase{"Printer", stored_name("Lpt9.TXT"), ArchiveDamage::kBadName, NameProblem::kDeviceName, "设备名"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

TEST(RecordNames, NamesThatOnlyLookLikeDevicesAreFine) {
  for (const char* name : {"CONX", "COM0.INC", "LPT10", "NULL.ASM", "AUXILIARY", "A.CON", "..A"}) {
    EXPECT_EQ(judge_record_name(name).problem, NameProblem::kNone) << name;
  }
}

TEST(TargetPath, DirectoryPartEndsAtTheLastSeparator) {
  struct Case {
    const char* path;
    const char* directory;
    const char* file;
  };
  const Case cases[] = {
      {"", "", ""},
      {"A51.EXE", "", "A51.EXE"},
      {"tools/A51.EXE", "tools/", "A51.EXE"},
      {"/opt/工具/A51.EXE", "/opt/工具/", "A51.EXE"},
#ifdef _WIN32
      {"C:\\TOOLS\\A51.EXE", "C:\\TOOLS\\", "A51.EXE"},
      {"C:\\TOOLS", "C:\\", "TOOLS"},
      {"C:A51.EXE", "C:", "A51.EXE"},
      {"C:\\乗\\A51.EXE", "C:\\乗\\", "A51.EXE"},
      {"D:/X\\A51.EXE", "D:/X\\", "A51.EXE"},
#else
      {"C:\\TOOLS\\A51.EXE", "", "C:\\TOOLS\\A51.EXE"},
#endif
  };
  for (const Case& c : cases) {
    const NativeString path = native_from_utf8(c.path);
    EXPECT_EQ(utf8_from_native(target_directory(path)), c.directory) << c.path;
    EXPECT_EQ(utf8_from_native(file_name_part(path)), c.file) << c.path;
  }
}

TEST_F(InstallTest, ShortWriteRemovesTheTornFileAndSaysSo) {
  write_file("DUVOVAV.DAT", make_archive({{"FIRST", "1"}, {"BIG", std::string(40000, 'x')}, {"LAST", "3"}}));
  FaultyFileSystem files;
  files.fail(FaultyFileSystem::Call::kWrite, 3);  // FIRST, then BIG's second piece
  const InstallOutcome outcome = install(tools_a51(), files);
  EXPECT_EQ(outcome.status, InstallStatus::kWriteFailed);
  EXPECT_EQ(outcome.partial_file, PartialFile::kRemoved);
  expect_failure_shown("BIG”失败,磁盘可能已满!安装没有完成。未写完的文件已删除。");
  EXPECT_EQ(tree_of("tools"), "DINC/\nFIRST\n");
}

TEST_F(InstallTest, FailedCloseIsAFailedWrite) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  FaultyFileSystem files;
  files.fail(FaultyFileSystem::Call::kClose, 2);
  EXPECT_EQ(install(tools_a51(), files).status, InstallStatus::kWriteFailed);
  expect_failure_shown("REG51.INC”失败");
  EXPECT_EQ(tree_of("tools"), "DINC/\nDOVA.EXE\n");
}

TEST_F(InstallTest, FileThatCannotBeCreatedIsReportedNotPassedOver) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  FaultyFileSystem files;
  files.fail(FaultyFileSystem::Call::kCreateFile, 2);
  EXPECT_EQ(install(tools_a51(), files).status, InstallStatus::kFileCreateFailed);
  expect_failure_shown("无法建立文件");
  EXPECT_EQ(tree_of("tools"), "DINC/\nDOVA.EXE\n");
}

TEST_F(InstallTest, DirectoriesThatCannotBeCreatedAreReported) {
  write_file("DUVOVAV.DAT", make_archive(kThreeRecords));
  write_file("tools/DINC", "a file in the way");
  EXPECT_EQ(install(tools_a51()).status, InstallStatus::kDirectoryFailed);
  expect_failure_shown("无法建立目录");
  EXPECT_EQ(tree_of("tools"), "DINC\n");

  fs::remove("tools/DINC");
  fs::create_directory("tools/DINC");
  write_file("tools/DINC/BAK", "a file in the way");
  EXPECT_EQ(install(tools_a51()).status, InstallStatus::kDirectoryFailed);
  expect_failure_shown("BAK");
}

TEST_F(InstallTest, OutputPathOverTheLimitIsRefusedBeforeCreation) {
  write_file("DUVOVAV.DAT", make_archive({{"A", "1"}, {"LONGER-NAME.INC", "2"}}));
  FaultyFileSystem files;
  const NativeString path = tools_a51();
  files.limit = target_directory(path).size() + 6;  // "A" fits, "DINC/LONGER-NAME.INC" does not
  const InstallOutcome outcome = install(path, files);
  EXPECT_EQ(outcome.status, InstallStatus::kPathTooLong);
  expect_failure_shown("第 2 个文件“LONGER-NAME.INC”的安装路径太长");
  EXPECT_EQ(tree_of("tools"), "A\nDINC/\n");
}

#ifndef _WIN32
// Output paths were never longer than 959 bytes, even where the system allows more.
TEST_F(InstallTest, OutputPathsStayWithinTheirOldBound) {
  fs::path deep = "tools";
  while ((fs::current_path() / deep).native().size() < kMaxOutputPathLength - 10) deep /= "d";
  fs::create_directories(deep);
  write_file("DUVOVAV.DAT", make_archive({{"FITS", "1"}, {"WAY-TOO-LONG", "2"}}));
  EXPECT_EQ(install((fs::current_path() / deep / "A51.EXE").native()).status,
            InstallStatus::kPathTooLong);
  EXPECT_TRUE(fs::exists(deep / "FITS"));
}
#endif

}  // namespace
