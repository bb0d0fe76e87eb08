// An independent reading of the setup archive for the fuzzers' checks: written from
// the format, not from the reader, so that the two can be compared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ModelRecord {
  std::string name;  // decoded bytes before the first zero byte
  bool name_terminated = false;
  bool length_complete = false;
  std::int32_t length = 0;
  std::string data;  // decoded; shorter than length when the archive ends inside it
  bool data_complete = true;
};

inline std::uint8_t model_decode(std::uint8_t stored) {
  return static_cast<std::uint8_t>((stored >> 1) | ((stored & 1) << 7));
}

inline std::vector<ModelRecord> model_records(const std::uint8_t* bytes, std::size_t size) {
  std::vector<ModelRecord> records;
  std::size_t at = 0;
  while (size - at >= 18) {
    ModelRecord record;
    std::size_t i = 0;
    for (; i < 18 && model_decode(bytes[at + i]) != 0; ++i) record.name.push_back(static_cast<char>(model_decode(bytes[at + i])));
    record.name_terminated = i < 18;
    at += 18;
    if (size - at < 4) {
      records.push_back(record);
      break;
    }
    record.length_complete = true;
    const std::uint32_t value = std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
                                std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
    record.length = static_cast<std::int32_t>(value);
    at += 4;
    if (record.length > 0) {
      const std::size_t wanted = static_cast<std::uint32_t>(record.length);
      const std::size_t present = wanted < size - at ? wanted : size - at;
      for (std::size_t j = 0; j < present; ++j) record.data.push_back(static_cast<char>(model_decode(bytes[at + j])));
      record.data_complete = present == wanted;
      at += present;
    }
    records.push_back(record);
  }
  return records;
}
