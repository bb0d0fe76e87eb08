#include "install_messages.h"

#include "text_encoding.h"

namespace {

std::string quoted(const std::string& text) { return "“" + text + "”"; }

std::string quoted_path(const NativeString& path) { return quoted(utf8_from_native(path)); }

// "第 3 个文件" names a record as users count: from 1.
std::string record_label(const InstallOutcome& outcome) {
  std::string label = "第 " + std::to_string(outcome.record_index + 1) + " 个文件";
  if (!outcome.record_name.empty()) label += quoted(outcome.record_name);
  return label;
}

}  // namespace

std::string describe_damage(const InstallOutcome& outcome) {
  const std::string record = record_label(outcome);
  switch (outcome.damage) {
    case ArchiveDamage::kLengthCut: return record + "的长度不完整";
    case ArchiveDamage::kDataCut: return record + "的数据不完整";
    case ArchiveDamage::kBadName: break;
    case ArchiveDamage::kNone: return record + "有误";
  }
  switch (outcome.name_problem) {
    case NameProblem::kUnterminated: return record + "的文件名没有结束符";
    case NameProblem::kEmpty: return record + "没有文件名";
    case NameProblem::kNotCodePage936: return record + "的文件名不是有效的简体中文编码";
    case NameProblem::kSeparator: return record + "的文件名含有路径符号";
    case NameProblem::kForbiddenCharacter: return record + "的文件名含有不能用于文件名的字符";
    case NameProblem::kDotsOnly: return record + "的文件名只有句点";
    case NameProblem::kDeviceName: return record + "的文件名是设备名";
    case NameProblem::kNone: break;
  }
  return record + "有误";
}

namespace {

std::string failure_text(const InstallOutcome& outcome) {
  constexpr char kIncomplete[] = "安装没有完成。";
  switch (outcome.status) {
    case InstallStatus::kInstalled: break;
    case InstallStatus::kArchiveMissing: return kArchiveMissingText;
    case InstallStatus::kTargetMissing:
      return "找不到目录" + quoted_path(outcome.path) + ",请输入 A51.EXE 所在的完整路径!";
    case InstallStatus::kDirectoryFailed:
      return "无法建立目录" + quoted_path(outcome.path) + "!" + kIncomplete;
    case InstallStatus::kPathTooLong:
      return record_label(outcome) + "的安装路径太长:" + quoted_path(outcome.path) + "!" + kIncomplete;
    case InstallStatus::kFileCreateFailed:
      return "无法建立文件" + quoted_path(outcome.path) + "!" + kIncomplete;
    case InstallStatus::kWriteFailed:
      return "写入文件" + quoted_path(outcome.path) + "失败,磁盘可能已满!" + kIncomplete;
    case InstallStatus::kArchiveDamaged:
      return "安装程序文件 DUVOVAV.DAT 已损坏:" + describe_damage(outcome) + "!" + kIncomplete;
    case InstallStatus::kArchiveReadFailed:
      return std::string("读取安装程序文件 DUVOVAV.DAT 出错!") + kIncomplete;
  }
  return kIncomplete;
}

}  // namespace

Message describe(const InstallOutcome& outcome) {
  if (outcome.installed()) return {kSuccessText, kSuccessCaption, kMessageExclamationIcon};
  std::string text = failure_text(outcome);
  // Say what became of the file that was being written, so nobody trusts a torn file.
  if (outcome.partial_file == PartialFile::kRemoved) text += "未写完的文件已删除。";
  if (outcome.partial_file == PartialFile::kLeft) {
    text += "未写完的文件" + quoted_path(outcome.path) + "无法删除,请手动删除。";
  }
  return {text, kFailedCaption, kMessageErrorIcon};
}
