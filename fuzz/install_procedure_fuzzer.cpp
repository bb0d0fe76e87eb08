// The whole install procedure on the real file system. Each input is the archive; it
// is installed into a fresh directory "t". Afterwards the disk must hold exactly what
// the outcome claims: on success every record, with its content, in "t" and "t/DINC";
// on a failure only the records installed before it, whole, and no torn file; never
// anything outside "t". The failure itself must be one the archive explains.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive_model.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "recording_window.h"
#include "record_name.h"
#include "scratch.h"
#include "text_encoding.h"

namespace fs = std::filesystem;

namespace {

// The model's own verdict, with the rules that keep a name inside its directory
// checked here once more rather than trusted.
bool model_sound(const ModelRecord& record, std::string& native_name) {
  if (!record.name_terminated || !record.length_complete || !record.data_complete) return false;
  const JudgedName judged = judge_record_name(record.name);
  if (judged.problem != NameProblem::kNone) return false;
  native_name = judged.native;
  if (native_name.empty() || native_name == "." || native_name == ".." ||
      native_name.find('/') != std::string::npos || native_name.find('\0') != std::string::npos) {
    oracle_failed("a name that leaves its directory was judged sound: " + native_name);
  }
  return true;
}

std::string contents_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void check_disk(const std::map<std::string, std::string>& files, bool with_bak) {
  std::set<std::string> directories = {"t", "t/DINC"};
  if (with_bak) directories.insert("t/DINC/BAK");
  std::size_t seen_files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(".")) {
    const std::string path = fs::relative(entry.path(), ".").generic_string();
    if (path == "DUVOVAV.DAT") continue;
    if (entry.is_directory() && !entry.is_symlink()) {
      if (directories.count(path) == 0) oracle_failed("stray directory " + path);
      continue;
    }
    const auto expected = files.find(path);
    if (expected == files.end()) oracle_failed("stray file " + path);
    if (!entry.is_regular_file() || contents_of(entry.path()) != expected->second) {
      oracle_failed("wrong content in " + path);
    }
    ++seen_files;
  }
  if (seen_files != files.size()) oracle_failed("missing files");
  for (const std::string& directory : directories) {
    if (!fs::is_directory(directory)) oracle_failed("missing directory " + directory);
  }
}

// A failure with a sound archive only comes from names that clash with the
// installer's own directories: record 0 named "DINC", a later record named "BAK".
void check_failure_is_explained(const InstallOutcome& outcome, const std::vector<ModelRecord>& records,
                                std::size_t sound_prefix) {
  switch (outcome.status) {
    case InstallStatus::kArchiveDamaged: {
      if (outcome.record_index != sound_prefix || sound_prefix >= records.size()) {
        oracle_failed("damage reported at a sound record");
      }
      const ModelRecord& record = records[sound_prefix];
      const bool agrees = outcome.damage == ArchiveDamage::kLengthCut   ? !record.length_complete
                          : outcome.damage == ArchiveDamage::kDataCut ? !record.data_complete
                          : outcome.damage == ArchiveDamage::kBadName;
      if (!agrees) oracle_failed("damage of the wrong kind");
      return;
    }
    case InstallStatus::kFileCreateFailed:
      if (!fs::is_directory(outcome.path)) oracle_failed("a file could not be created: " + outcome.path);
      return;
    case InstallStatus::kDirectoryFailed:
      if (outcome.path != "t/DINC/BAK" || !fs::is_regular_file("t/DINC/BAK")) {
        oracle_failed("a directory could not be created: " + outcome.path);
      }
      return;
    default: oracle_failed("unexplained failure " + std::to_string(static_cast<int>(outcome.status)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_directory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::error_code ignored;
  fs::remove_all("t", ignored);
  fs::create_directory("t");
  write_whole_file("DUVOVAV.DAT", data, size);

  RecordingWindow window("t/A51.EXE");
  const InstallOutcome outcome = run_install_procedure(window, system_file_system());

  if (window.messages.size() != 1) oracle_failed("not exactly one message");
  const ShownMessage& shown = window.messages[0];
  if (outcome.installed() != (shown.caption == kSuccessCaption && shown.flags == kMessageExclamationIcon &&
                              window.closed)) {
    oracle_failed("the message does not match the outcome");
  }
  if (!outcome.installed() && (shown.caption != kFailedCaption || shown.flags != kMessageErrorIcon)) {
    oracle_failed("a failure not shown as one");
  }

  const std::vector<ModelRecord> records = model_records(data, size);
  std::vector<std::string> names(records.size());
  std::size_t sound_prefix = 0;
  while (sound_prefix < records.size() && model_sound(records[sound_prefix], names[sound_prefix])) ++sound_prefix;

  const std::size_t done = outcome.records_installed;
  if (done > sound_prefix) oracle_failed("an unsound record was installed");
  if (outcome.installed() && done != records.size()) oracle_failed("success without every record");
  if (!outcome.installed()) check_failure_is_explained(outcome, records, sound_prefix);
  if (outcome.partial_file == PartialFile::kLeft) oracle_failed("a torn file was left");

  std::map<std::string, std::string> files;
  for (std::size_t i = 0; i < done; ++i) files[(i == 0 ? "t/" : "t/DINC/") + names[i]] = records[i].data;
  // A torn file is removed, and with it an earlier record of the same name that its
  // creation had already emptied.
  if (outcome.partial_file == PartialFile::kRemoved) files.erase(outcome.path);
  check_disk(files, outcome.installed());
  return 0;
}
