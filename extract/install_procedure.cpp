#include "install_procedure.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "install_messages.h"
#include "record_check.h"
#include "setup_archive.h"
#include "target_path.h"
#include "text_encoding.h"

namespace {

const NativeString kDincName = NATIVE_TEXT("DINC");
const NativeString kBakName = NATIVE_TEXT("BAK");

InstallOutcome failure(InstallStatus status, NativeString path = {}) {
  InstallOutcome outcome;
  outcome.status = status;
  outcome.path = std::move(path);
  return outcome;
}

// One run: the target, the open archive and the copy buffer live exactly as long as it.
class Installation {
 public:
  Installation(InstallWindow& window, FileSystem& files)
      : window_(window), files_(files), target_(target_directory(window.path_text())) {}

  InstallOutcome run() {
    // Nothing is created before the target is known to exist and the archive is open.
    if (!target_.empty() && !files_.is_directory(target_)) {
      return failure(InstallStatus::kTargetMissing, target_);
    }
    window_.show_gauge();
    if (!archive_.open()) return failure(InstallStatus::kArchiveMissing);

    const NativeString short_target = target_.empty() ? target_ : files_.short_path(target_);
    if (!files_.create_directory(short_target + kDincName)) {
      return failure(InstallStatus::kDirectoryFailed, target_ + kDincName);
    }

    InstallOutcome outcome = extract_all();
    archive_.close();
    if (!outcome.installed()) return outcome;

    window_.set_gauge_position(100);
    const NativeString backup = target_ + kDincName + kDirectorySeparator + kBakName;
    if (!files_.create_directory(backup)) {
      // Every record is installed by now; the outcome still says so.
      outcome.status = InstallStatus::kDirectoryFailed;
      outcome.path = backup;
    }
    return outcome;
  }

 private:
  InstallOutcome extract_all() {
    InstallOutcome outcome;
    for (std::size_t index = 0;; ++index) {
      window_.set_gauge_position(gauge_position(index));
      const std::optional<ArchiveRecord> record = archive_.read_header();
      if (!record) {
        if (archive_.failed()) outcome.status = InstallStatus::kArchiveReadFailed;
        return outcome;
      }
      outcome.record_index = index;
      extract_record(*record, outcome);
      if (!outcome.installed()) return outcome;
      outcome.records_installed = index + 1;
    }
  }

  // Judges the record, then writes its file. Any failure leaves no file behind for
  // this record, or says in the outcome that one is left.
  void extract_record(const ArchiveRecord& record, InstallOutcome& outcome) {
    const RecordVerdict verdict = check_record(record);
    outcome.record_name = utf8_from_native(verdict.name.native);
    if (!verdict.sound()) {
      outcome.status = InstallStatus::kArchiveDamaged;
      outcome.damage = verdict.damage;
      outcome.name_problem = verdict.name.problem;
      return;
    }

    outcome.path = output_path(outcome.record_index, verdict.name.native);
    if (outcome.path.size() > std::min(kMaxOutputPathLength, files_.max_path_length())) {
      outcome.status = InstallStatus::kPathTooLong;
      return;
    }
    std::FILE* file = files_.create_file(outcome.path);
    if (file == nullptr) {
      outcome.status = InstallStatus::kFileCreateFailed;
      return;
    }

    const InstallStatus copied = copy_data(record.length, file);
    const bool closed = files_.close(file);
    if (copied != InstallStatus::kInstalled || !closed) {
      outcome.status = copied != InstallStatus::kInstalled ? copied : InstallStatus::kWriteFailed;
      if (copied == InstallStatus::kArchiveDamaged) outcome.damage = ArchiveDamage::kDataCut;
      outcome.partial_file =
          files_.remove_file(outcome.path) ? PartialFile::kRemoved : PartialFile::kLeft;
    }
  }

  // Copies the record's data piece by piece; stops at the first piece that cannot be
  // read whole or written whole.
  InstallStatus copy_data(std::int32_t length, std::FILE* file) {
    std::size_t remaining = length > 0 ? static_cast<std::size_t>(length) : 0;
    while (remaining > 0) {
      const std::size_t piece = std::min(remaining, kCopyBufferSize);
      if (!archive_.read_data(buffer_.data(), piece)) {
        return archive_.failed() ? InstallStatus::kArchiveReadFailed
                                 : InstallStatus::kArchiveDamaged;
      }
      if (files_.write(file, buffer_.data(), piece) != piece) return InstallStatus::kWriteFailed;
      remaining -= piece;
    }
    return InstallStatus::kInstalled;
  }

  NativeString output_path(std::size_t index, const NativeString& name) const {
    if (index == 0) return target_ + name;
    return target_ + kDincName + kDirectorySeparator + name;
  }

  InstallWindow& window_;
  FileSystem& files_;
  const NativeString target_;
  SetupArchiveReader archive_;
  std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(kCopyBufferSize);
};

}  // namespace

int gauge_position(std::size_t index) {
  return static_cast<int>(std::min<std::size_t>(index, 20) * 5);
}

InstallOutcome run_install_procedure(InstallWindow& window, FileSystem& files) {
  const InstallOutcome outcome = Installation(window, files).run();
  const Message message = describe(outcome);
  window.message_box(message.text, message.caption, message.flags);
  if (outcome.installed()) window.close_main_window();
  return outcome;
}
