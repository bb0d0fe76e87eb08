// The packer end to end: what it makes installs, and what it refuses leaves no archive.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "text_encoding.h"

namespace {

class PackTest : public ScratchDirectoryTest {
 protected:
  ProgramResult pack(std::vector<std::string> arguments) {
    std::vector<NativeString> native;
    for (const auto& argument : arguments) native.push_back(native_from_utf8(argument));
    return run_program("dova-pack", native, scratch());
  }
};

TEST_F(PackTest, CreatesWhatListAndVerifyRead) {
  write_file("DOVA.EXE", "main");
  fs::create_directory("inc");
  write_file(utf8_path("inc/寄存器.INC"), std::string(50000, 'r'));
  write_file("inc/EMPTY", "");

  ASSERT_EQ(pack({"create", "DUVOVAV.DAT", "DOVA.EXE", "inc/寄存器.INC", "inc/EMPTY"}).exit_code, 0);
  EXPECT_EQ(read_file("DUVOVAV.DAT"),
            make_archive({{"DOVA.EXE", "main"}, {"寄存器.INC", std::string(50000, 'r')}, {"EMPTY", ""}}));

  const ProgramResult list = pack({"list", "DUVOVAV.DAT"});
  EXPECT_EQ(list.exit_code, 0);
  EXPECT_EQ(list.out, "0\t4\tDOVA.EXE\n1\t50000\t寄存器.INC\n2\t0\tEMPTY\n");
  EXPECT_EQ(pack({"verify", "DUVOVAV.DAT"}).exit_code, 0);
}

TEST_F(PackTest, RefusalsLeaveTheOldArchiveUntouched) {
  write_file("DUVOVAV.DAT", "old");
  write_file("GOOD", "g");
  write_file("EIGHTEEN-BYTES.INC", "x");
  write_file(utf8_path("七个汉字文件名.AB"), "x");  // 17 bytes in code page 936: fits
  write_file(utf8_path("表情😀"), "x");
  fs::create_directory("sub");
  const struct {
    const char* file;
    const char* why;
  } cases[] = {
      {"missing", "无法打开"},
      {"EIGHTEEN-BYTES.INC", "太长"},
      {"表情😀", "无法转换"},
      {"CON.INC", "不能用作"},  // judged by name, before the file is opened
      {".", "不能用作"},
      {"sub", "文件"},  // a directory: refused when opened or when its size is asked
  };
  for (const auto& c : cases) {
    const ProgramResult result = pack({"create", "DUVOVAV.DAT", "GOOD", c.file});
    EXPECT_EQ(result.exit_code, 1) << c.file;
    EXPECT_NE(result.err.find(c.why), std::string::npos) << result.err;
    EXPECT_EQ(read_file("DUVOVAV.DAT"), "old");
  }
  EXPECT_EQ(pack({"create", "DUVOVAV.DAT", "七个汉字文件名.AB"}).exit_code, 0);
  EXPECT_EQ(tree_of("."), "DUVOVAV.DAT\nEIGHTEEN-BYTES.INC\nGOOD\nsub/\n七个汉字文件名.AB\n表情😀\n");
}

TEST_F(PackTest, VerifyAndListNameTheDamagedRecord) {
  const std::string archive = make_archive({{"A", "1"}, {"CUT", "1234"}});
  write_file("DUVOVAV.DAT", archive.substr(0, archive.size() - 2));
  const ProgramResult verify = pack({"verify", "DUVOVAV.DAT"});
  EXPECT_EQ(verify.exit_code, 1);
  EXPECT_NE(verify.err.find("第 2 个文件“CUT”的数据不完整"), std::string::npos) << verify.err;
  const ProgramResult list = pack({"list", "DUVOVAV.DAT"});
  EXPECT_EQ(list.exit_code, 1);
  EXPECT_EQ(list.out, "0\t1\tA\n1\t4\tCUT\n");
}

}  // namespace
