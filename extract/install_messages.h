// The installer's messages, in UTF-8. The front ends show them: the window in a message
// box, the console on its streams.
#pragma once

#include <string>

#include "install_outcome.h"

inline constexpr unsigned kMessageErrorIcon = 16;        // stop sign
inline constexpr unsigned kMessageExclamationIcon = 48;

inline constexpr char kPathPrompt[] = "输入 A51.EXE 所在路径:";
inline constexpr char kFailedCaption[] = "安装失败";
inline constexpr char kSuccessCaption[] = "安装";
inline constexpr char kArchiveMissingText[] = "找不到安装程序文件 DUVOVAV.DAT !";
inline constexpr char kSuccessText[] = "DOVA 中文汇编软件安装成功,祝你工作愉快!";

struct Message {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

Message describe(const InstallOutcome& outcome);

// Which record of a damaged archive is wrong and how, as in "第 3 个文件“A.INC”的数据不完整".
std::string describe_damage(const InstallOutcome& outcome);
