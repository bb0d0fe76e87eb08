#include "archive_writer.h"

#include <algorithm>

#include "byte_codec.h"

RecordHeader encode_record_header(std::string_view cp936_name, std::int32_t length) {
  RecordHeader header{};
  const std::size_t name_size = std::min(cp936_name.size(), kNameFieldSize - 1);
  std::copy_n(cp936_name.begin(), name_size, header.begin());
  encode_in_place(header.data(), kNameFieldSize);
  const auto value = static_cast<std::uint32_t>(length);
  for (std::size_t i = 0; i < kLengthFieldSize; ++i) {
    header[kNameFieldSize + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
  return header;
}

void append_record(std::string& archive, std::string_view cp936_name, std::string_view data) {
  const RecordHeader header = encode_record_header(cp936_name, static_cast<std::int32_t>(data.size()));
  archive.append(header.begin(), header.end());
  const std::size_t start = archive.size();
  archive.append(data);
  encode_in_place(reinterpret_cast<std::uint8_t*>(archive.data() + start), data.size());
}
