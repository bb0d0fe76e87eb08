// The archive reader against an independent reading of the same bytes: every header
// and every data byte must agree, short reads must come exactly where the archive
// ends, and the end must stay the end.
#include <cstdint>
#include <string>
#include <vector>

#include "archive_model.h"
#include "scratch.h"
#include "setup_archive.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_directory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_whole_file("DUVOVAV.DAT", data, size);
  const std::vector<ModelRecord> expected = model_records(data, size);
  // The caller's piece size varies with the input, so that pieces meet record ends
  // and the end of the file in every way.
  static constexpr std::size_t kPieces[] = {1, 7, 4096, 18958};
  const std::size_t piece_size = kPieces[size % 4];

  SetupArchiveReader reader;
  if (!reader.open()) oracle_failed("cannot open the archive");
  std::vector<std::uint8_t> buffer(piece_size);
  for (std::size_t index = 0;; ++index) {
    const std::optional<ArchiveRecord> record = reader.read_header();
    if (!record) {
      if (index != expected.size()) oracle_failed("ended after " + std::to_string(index) + " records");
      break;
    }
    if (index >= expected.size()) oracle_failed("a record past the end");
    const ModelRecord& model = expected[index];
    if (record->name != model.name || record->name_terminated != model.name_terminated ||
        record->length_complete != model.length_complete || record->length != model.length) {
      oracle_failed("header " + std::to_string(index) + " differs");
    }
    std::string read;
    std::size_t remaining = record->length > 0 ? static_cast<std::uint32_t>(record->length) : 0;
    bool short_read = false;
    while (remaining > 0) {
      const std::size_t piece = remaining < piece_size ? remaining : piece_size;
      if (!reader.read_data(buffer.data(), piece)) {
        short_read = true;
        break;
      }
      read.append(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(piece));
      remaining -= piece;
    }
    // A short read gives nothing, so only the whole pieces before it are compared.
    if (short_read == model.data_complete || model.data.compare(0, read.size(), read) != 0 ||
        (!short_read && read.size() != model.data.size())) {
      oracle_failed("data of record " + std::to_string(index) + " differs");
    }
  }
  if (reader.read_header() || reader.failed()) oracle_failed("the end did not stay the end");
  reader.close();
  return 0;
}
