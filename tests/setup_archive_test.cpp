// The archive reader against stored bytes written out by hand.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "byte_codec.h"
#include "scratch_directory.h"
#include "setup_archive.h"

namespace {

// "C2 C4 C6 00" -> the bytes; "x14" repeats the previous byte 14 times in all.
std::string bytes(const std::string& hex) {
  std::string result;
  for (std::size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
    } else if (hex[i] == 'x') {
      std::size_t used = 0;
      const int times = std::stoi(hex.substr(i + 1), &used);
      result.append(static_cast<std::size_t>(times - 1), result.back());
      i += 1 + used;
    } else {
      result.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
      i += 2;
    }
  }
  return result;
}

TEST(ByteCodec, RotatesByOneBit) {
  const struct {
    std::uint8_t plain, stored;
  } cases[] = {{0x00, 0x00}, {0xFF, 0xFF}, {0x01, 0x02}, {0x80, 0x01}, {0x41, 0x82}, {0x83, 0x07}};
  for (const auto& c : cases) {
    EXPECT_EQ(encode_byte(c.plain), c.stored) << int{c.plain};
    EXPECT_EQ(decode_byte(c.stored), c.plain) << int{c.stored};
  }
  for (int value = 0; value < 256; ++value) {
    EXPECT_EQ(decode_byte(encode_byte(static_cast<std::uint8_t>(value))), value);
  }
}

// The bulk loop is vectorised; lengths around the vector widths catch a wrong tail.
TEST(ByteCodec, BulkDecodeMatchesBytewiseAtEveryLength) {
  for (std::size_t length : {0, 1, 15, 16, 17, 31, 32, 33, 63, 64, 65, 18958}) {
    std::vector<std::uint8_t> buffer(length);
    for (std::size_t i = 0; i < length; ++i) buffer[i] = static_cast<std::uint8_t>(i * 37 + 11);
    std::vector<std::uint8_t> expected(buffer);
    for (auto& b : expected) b = decode_byte(b);
    decode_in_place(buffer.data(), buffer.size());
    EXPECT_EQ(buffer, expected) << "length " << length;
  }
}

struct ExpectedRecord {
  std::string name;
  std::int32_t length;
  bool name_terminated = true;
  bool length_complete = true;
  std::optional<std::string> data = std::nullopt;  // the decoded data, or nullopt for a short read
};

struct ReaderCase {
  const char* label;
  std::string stored;
  std::vector<ExpectedRecord> records;
};

class ReaderTest : public ScratchDirectoryTest, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(ReaderTest, ReadsRecordsThenEnd) {
  const ReaderCase& c = GetParam();
  write_file("DUVOVAV.DAT", c.stored);
  SetupArchiveReader reader;
  ASSERT_TRUE(reader.open());
  for (const ExpectedRecord& expected : c.records) {
    const std::optional<ArchiveRecord> record = reader.read_header();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->name, expected.name);
    EXPECT_EQ(record->length, expected.length);
    EXPECT_EQ(record->name_terminated, expected.name_terminated);
    EXPECT_EQ(record->length_complete, expected.length_complete);
    if (record->length <= 0) continue;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(record->length));
    const bool whole = reader.read_data(buffer.data(), buffer.size());
    EXPECT_EQ(whole, expected.data.has_value());
    if (whole && expected.data) {
      EXPECT_EQ(std::string(buffer.begin(), buffer.end()), *expected.data);
    }
  }
  EXPECT_FALSE(reader.read_header().has_value());
  EXPECT_FALSE(reader.failed());
}

const std::string kAbcField = "C2 C4 C6 00 55 x14";  // "abc", then 14 bytes never looked at

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ReaderTest,
    ::testing::Values(
        ReaderCase{"Empty", "", {}},
        ReaderCase{"ShorterThanANameField", bytes("C2 C4 C6 00 00 x13"), {}},
        ReaderCase{"TwoDataBytes", bytes(kAbcField + " 02 00 00 00 82 07"), {{"abc", 2, true, true, "\x41\x83"}}},
        ReaderCase{"EndsInsideLengthField", bytes(kAbcField + " 02 00"), {{"abc", 0, true, false}}},
        ReaderCase{"NegativeLengthHasNoData",
                   bytes(kAbcField + " FF FF FF FF " + kAbcField + " 01 00 00 00 82"),
                   {{"abc", -1}, {"abc", 1, true, true, "A"}}},
        ReaderCase{"DataCutShort", bytes(kAbcField + " 05 00 00 00 82 07 02"), {{"abc", 5}}},
        ReaderCase{"TrailingGarbageIgnored", bytes(kAbcField + " 00 00 00 00 AA x17"), {{"abc", 0}}},
        ReaderCase{"NameWithoutZeroByte", bytes("82 x18 00 00 00 00"), {{std::string(18, 'A'), 0, false}}},
        ReaderCase{"EmptyName", bytes("00 x18 00 00 00 00"), {{"", 0}}}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

TEST_F(ScratchDirectoryTest, MissingArchiveDoesNotOpen) {
  SetupArchiveReader reader;
  EXPECT_FALSE(reader.open());
  EXPECT_FALSE(reader.read_header().has_value());
}

}  // namespace
