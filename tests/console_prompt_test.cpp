// On a terminal, with no path given, the console installer asks for the path with the
// window's prompt, and draws its gauge as a progress bar. Needs a pseudo-terminal, so
// POSIX only.
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "run_program.h"
#include "scratch_directory.h"

namespace {

struct TerminalRun {
  int exit_code = -1;
  std::string screen;  // everything the program wrote to the terminal
};

// Runs dova-setup on a new terminal, typing `input` once the prompt has appeared.
TerminalRun run_on_terminal(const std::string& input) {
  const std::string exe = (program_directory() / "dova-setup").string();
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  TerminalRun run;
  bool typed = false;
  char buffer[4096];
  ssize_t count = 0;
  while ((count = ::read(terminal, buffer, sizeof buffer)) > 0) {
    run.screen.append(buffer, static_cast<std::size_t>(count));
    if (!typed && run.screen.find("路径:") != std::string::npos) {
      typed = ::write(terminal, input.data(), input.size()) == static_cast<ssize_t>(input.size());
    }
  }
  ::close(terminal);
  int status = 0;
  if (::waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  return run;
}

TEST_F(ScratchDirectoryTest, PromptsForThePathOnATerminal) {
  fs::create_directory("tools");
  write_file("DUVOVAV.DAT", make_archive({{"DOVA.EXE", "main"}, {"REG51.INC", "reg"}}));

  const TerminalRun run = run_on_terminal("tools/A51.EXE\n");
  EXPECT_EQ(run.exit_code, 0) << run.screen;
  EXPECT_EQ(run.screen.rfind("输入 A51.EXE 所在路径:", 0), 0u) << run.screen;
  EXPECT_NE(run.screen.find("] 100%"), std::string::npos) << run.screen;
  EXPECT_NE(run.screen.find("DOVA 中文汇编软件安装成功,祝你工作愉快!"), std::string::npos);
  EXPECT_EQ(tree_of("tools"), "DINC/\nDINC/BAK/\nDINC/REG51.INC\nDOVA.EXE\n");
}

TEST_F(ScratchDirectoryTest, EndOfInputAtThePromptInstallsNothing) {
  write_file("DUVOVAV.DAT", make_archive({{"DOVA.EXE", "main"}}));
  const TerminalRun run = run_on_terminal("\x04");  // Ctrl-D
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(tree_of("."), "DUVOVAV.DAT\n");
}

}  // namespace
