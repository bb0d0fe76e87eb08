#include "archive_report.h"

#include <algorithm>
#include <vector>

#include "install_messages.h"
#include "install_procedure.h"
#include "record_check.h"
#include "setup_archive.h"
#include "text_encoding.h"

namespace {

std::string damaged(const NativeString& archive, const InstallOutcome& outcome) {
  return utf8_from_native(archive) + " 已损坏: " + describe_damage(outcome);
}

// Reads past a record's data; false when the archive ends inside it.
bool skip_data(SetupArchiveReader& reader, std::int32_t length, std::vector<std::uint8_t>& buffer) {
  std::size_t remaining = length > 0 ? static_cast<std::size_t>(length) : 0;
  while (remaining > 0) {
    const std::size_t piece = std::min(remaining, buffer.size());
    if (!reader.read_data(buffer.data(), piece)) return false;
    remaining -= piece;
  }
  return true;
}

}  // namespace

ArchiveReport inspect_archive(const NativeString& archive) {
  ArchiveReport report;
  SetupArchiveReader reader;
  if (!reader.open(archive)) {
    report.problem = "无法打开 " + utf8_from_native(archive);
    return report;
  }
  std::vector<std::uint8_t> buffer(kCopyBufferSize);
  for (std::size_t index = 0;; ++index) {
    const std::optional<ArchiveRecord> record = reader.read_header();
    if (!record) break;
    const RecordVerdict verdict = check_record(*record);
    InstallOutcome outcome;
    outcome.status = InstallStatus::kArchiveDamaged;
    outcome.record_index = index;
    outcome.record_name = utf8_from_native(verdict.name.native);
    report.records.push_back({index, record->length, outcome.record_name});
    if (!verdict.sound()) {
      outcome.damage = verdict.damage;
      outcome.name_problem = verdict.name.problem;
      report.problem = damaged(archive, outcome);
      return report;
    }
    if (!skip_data(reader, record->length, buffer)) {
      outcome.damage = ArchiveDamage::kDataCut;
      report.problem = reader.failed() ? "读取 " + utf8_from_native(archive) + " 出错"
                                       : damaged(archive, outcome);
      return report;
    }
  }
  if (reader.failed()) report.problem = "读取 " + utf8_from_native(archive) + " 出错";
  return report;
}
