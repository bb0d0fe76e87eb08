#include "console_front_end.h"

#include <optional>
#include <string>

#include "console_io.h"
#include "console_window.h"
#include "file_system.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "version.h"

namespace {

constexpr char kUsage[] =
    "用法: dova-setup [--silent] [A51.EXE 的完整路径]\n"
    "在存放 DUVOVAV.DAT 的目录里运行, 把 DOVA 中文汇编软件安装到 A51.EXE 所在的目录。\n"
    "\n"
    "  --silent   不询问路径; 没有给出路径时安装到当前目录\n"
    "  --help     显示本说明\n"
    "  --version  显示版本\n"
    "\n"
    "退出码: 0 安装成功, 1 找不到 DUVOVAV.DAT, 2 安装失败, 64 用法错误\n";

struct Options {
  bool silent = false;
  std::optional<NativeString> path;
};

enum class Parsed { kRun, kHelp, kVersion, kWrongUsage };

Parsed parse(const std::vector<NativeString>& arguments, Options& options) {
  bool options_end = false;
  for (const NativeString& argument : arguments) {
    if (!options_end && argument == NATIVE_TEXT("--")) {
      options_end = true;
    } else if (!options_end && argument == NATIVE_TEXT("--help")) {
      return Parsed::kHelp;
    } else if (!options_end && argument == NATIVE_TEXT("--version")) {
      return Parsed::kVersion;
    } else if (!options_end && argument == NATIVE_TEXT("--silent")) {
      options.silent = true;
    } else if (!options_end && argument.size() > 1 && argument[0] == NATIVE_TEXT('-')) {
      return Parsed::kWrongUsage;
    } else if (options.path) {
      return Parsed::kWrongUsage;  // one path only
    } else {
      options.path = argument;
    }
  }
  return Parsed::kRun;
}

int exit_code_for(const InstallOutcome& outcome) {
  if (outcome.installed()) return kExitInstalled;
  if (outcome.status == InstallStatus::kArchiveMissing) return kExitArchiveMissing;
  return kExitFailed;
}

}  // namespace

int run_console_installer(const std::vector<NativeString>& arguments) {
  Options options;
  switch (parse(arguments, options)) {
    case Parsed::kHelp: write_text(stdout, kUsage); return kExitInstalled;
    case Parsed::kVersion: write_text(stdout, "dova-setup " DOVA_VERSION "\n"); return kExitInstalled;
    case Parsed::kWrongUsage: write_text(stderr, kUsage); return kExitUsage;
    case Parsed::kRun: break;
  }

  if (!options.path && !options.silent && is_terminal(stdin)) {
    write_text(stderr, kPathPrompt);
    options.path = read_line();
    if (!options.path) {
      write_text(stderr, "\n没有输入路径, 安装已取消。\n");
      return kExitFailed;
    }
  }

  ConsoleWindow window(options.path.value_or(NativeString()));
  return exit_code_for(run_install_procedure(window, system_file_system()));
}
