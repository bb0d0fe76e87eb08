#include "setup_archive.h"

#include <algorithm>
#include <array>

#include "byte_codec.h"
#include "file_io.h"

namespace {

// Large enough that the 18958-byte copy pieces do not each cost system calls.
constexpr std::size_t kInputBufferSize = 256 * 1024;

}  // namespace

bool SetupArchiveReader::open(const NativeString& path) {
  close();
  file_ = open_file(path, "rb");
  if (file_ == nullptr) return false;
  // Our own buffer: given none, glibc ignores the size and reads by 4 KiB, two reads
  // per piece.
  buffer_.resize(kInputBufferSize);
  std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
  return true;
}

std::optional<ArchiveRecord> SetupArchiveReader::read_header() {
  if (file_ == nullptr) return std::nullopt;
  std::array<std::uint8_t, kNameFieldSize> field{};
  if (std::fread(field.data(), 1, field.size(), file_) != field.size()) return std::nullopt;
  decode_in_place(field.data(), field.size());

  ArchiveRecord record;
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  record.name.assign(field.begin(), end);
  record.name_terminated = end != field.end();

  std::array<std::uint8_t, kLengthFieldSize> length{};
  if (std::fread(length.data(), 1, length.size(), file_) != length.size()) {
    record.length_complete = false;
    return record;
  }
  const std::uint32_t value = std::uint32_t{length[0]} | std::uint32_t{length[1]} << 8 |
                              std::uint32_t{length[2]} << 16 | std::uint32_t{length[3]} << 24;
  record.length = static_cast<std::int32_t>(value);
  return record;
}

bool SetupArchiveReader::read_data(std::uint8_t* buffer, std::size_t count) {
  if (file_ == nullptr) return false;
  if (std::fread(buffer, 1, count, file_) != count) return false;
  decode_in_place(buffer, count);
  return true;
}

void SetupArchiveReader::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}
