// Writing the stored form of records, for the packer and for tests that build archives.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "setup_archive.h"

using RecordHeader = std::array<std::uint8_t, kNameFieldSize + kLengthFieldSize>;

// The encoded name field (name bytes, then zero bytes) and the plain length. Names
// longer than 17 bytes are cut: the caller checks them first.
RecordHeader encode_record_header(std::string_view cp936_name, std::int32_t length);

// A whole record, header and encoded data, appended to an archive held in memory.
void append_record(std::string& archive, std::string_view cp936_name, std::string_view data);
