// The console installer end to end: the real program in a scratch directory.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "text_encoding.h"
#include "version.h"

namespace {

class ConsoleTest : public ScratchDirectoryTest {
 protected:
  void SetUp() override {
    ScratchDirectoryTest::SetUp();
    archive = make_archive({{"DOVA.EXE", "main"}, {"寄存器.INC", "reg"}});
  }

  ProgramResult setup(std::vector<std::string> arguments) {
    std::vector<NativeString> native;
#ifdef _WIN32
    // On Windows the same program is the installer window unless told otherwise.
    native.push_back(NATIVE_TEXT("--silent"));
#endif
    for (const auto& argument : arguments) native.push_back(native_from_utf8(argument));
    return run_program("dova-setup", native, scratch());
  }

  std::string a51_in(const char* directory) {
    fs::create_directory(utf8_path(directory));
    return utf8_from_native((scratch() / utf8_path(directory) / "A51.EXE").native());
  }

  std::string archive;
};

TEST_F(ConsoleTest, InstallsAndSaysSoOnStdout) {
  write_file("DUVOVAV.DAT", archive);
  const ProgramResult result = setup({a51_in("工具")});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "DOVA 中文汇编软件安装成功,祝你工作愉快!\n");
  EXPECT_EQ(tree_of(utf8_path("工具")), "DINC/\nDINC/BAK/\nDINC/寄存器.INC\nDOVA.EXE\n");
}

TEST_F(ConsoleTest, SilentWithoutPathInstallsIntoTheCurrentDirectory) {
  write_file("DUVOVAV.DAT", archive);
  for (const auto& arguments : {std::vector<std::string>{"--silent"}, std::vector<std::string>{}}) {
    EXPECT_EQ(setup(arguments).exit_code, 0);
    EXPECT_EQ(read_file("DOVA.EXE"), "main");
  }
}

TEST_F(ConsoleTest, ExitCodesAndMessagesOfFailures) {
  const std::string tools = a51_in("tools");
  const ProgramResult missing = setup({tools});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "安装失败: 找不到安装程序文件 DUVOVAV.DAT !\n");
  EXPECT_EQ(missing.out, "");

  write_file("DUVOVAV.DAT", archive);
  const ProgramResult no_target = setup({"--silent", "nowhere/A51.EXE"});
  EXPECT_EQ(no_target.exit_code, 2);
  EXPECT_NE(no_target.err.find("找不到目录“nowhere"), std::string::npos) << no_target.err;

  write_file("DUVOVAV.DAT", archive.substr(0, archive.size() - 1));
  const ProgramResult damaged = setup({tools});
  EXPECT_EQ(damaged.exit_code, 2);
  EXPECT_NE(damaged.err.find("已损坏"), std::string::npos) << damaged.err;
  EXPECT_EQ(tree_of("tools"), "DINC/\nDOVA.EXE\n");
}

TEST_F(ConsoleTest, UsageHelpAndVersion) {
  const struct {
    std::vector<std::string> arguments;
    int exit_code;
    const char* out_part;
  } cases[] = {
      {{"--help"}, 0, "用法: dova-setup [--silent]"},
      {{"--version"}, 0, "dova-setup " DOVA_VERSION "\n"},
      {{"--bogus"}, 64, ""},
      {{"one/A51.EXE", "two/A51.EXE"}, 64, ""},
  };
  for (const auto& c : cases) {
    const ProgramResult result = setup(c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << c.arguments[0];
    EXPECT_NE(result.out.find(c.out_part), std::string::npos) << result.out;
  }
  EXPECT_EQ(tree_of("."), "");
}

}  // namespace
