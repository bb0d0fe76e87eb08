// dova-pack: makes, lists and checks setup archives (DUVOVAV.DAT) for maintainers.
//   dova-pack create ARCHIVE FILE...   the first file becomes record 0
//   dova-pack list ARCHIVE
//   dova-pack verify ARCHIVE           exit 0 only when the archive installs cleanly
#include <cstdint>
#include <string>
#include <vector>

#include "archive_report.h"
#include "archive_packing.h"
#include "command_line.h"
#include "console_io.h"
#include "text_encoding.h"
#include "version.h"

namespace {

constexpr int kExitUsage = 64;

constexpr char kUsage[] =
    "用法:\n"
    "  dova-pack create 安装文件 文件...   生成安装程序文件, 第一个文件装到 A51.EXE 旁边\n"
    "  dova-pack list 安装文件             列出各个文件: 序号、长度、文件名\n"
    "  dova-pack verify 安装文件           检查安装文件, 完好时退出码为 0\n";

int create(const NativeString& archive, const std::vector<NativeString>& files) {
  const PackResult result = pack_archive(archive, files);
  if (!result.ok()) {
    write_text(stderr, "dova-pack: " + result.error + "\n");
    return 1;
  }
  return 0;
}

int list(const NativeString& archive) {
  const ArchiveReport report = inspect_archive(archive);
  for (const RecordReport& record : report.records) {
    write_text(stdout, std::to_string(record.index) + "\t" + std::to_string(record.length) + "\t" +
                           record.name_utf8 + "\n");
  }
  if (!report.sound()) {
    write_text(stderr, "dova-pack: " + report.problem + "\n");
    return 1;
  }
  return 0;
}

int verify(const NativeString& archive) {
  const ArchiveReport report = inspect_archive(archive);
  if (!report.sound()) {
    write_text(stderr, "dova-pack: " + report.problem + "\n");
    return 1;
  }
  write_text(stdout, utf8_from_native(archive) + ": " + std::to_string(report.records.size()) +
                         " 个文件, 完好\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<NativeString> arguments = command_line_arguments(argc, argv);
  if (arguments.size() == 1 && arguments[0] == NATIVE_TEXT("--help")) {
    write_text(stdout, kUsage);
    return 0;
  }
  if (arguments.size() == 1 && arguments[0] == NATIVE_TEXT("--version")) {
    write_text(stdout, "dova-pack " DOVA_VERSION "\n");
    return 0;
  }
  if (arguments.size() >= 3 && arguments[0] == NATIVE_TEXT("create")) {
    return create(arguments[1], std::vector<NativeString>(arguments.begin() + 2, arguments.end()));
  }
  if (arguments.size() == 2 && arguments[0] == NATIVE_TEXT("list")) return list(arguments[1]);
  if (arguments.size() == 2 && arguments[0] == NATIVE_TEXT("verify")) return verify(arguments[1]);
  write_text(stderr, kUsage);
  return kExitUsage;
}
