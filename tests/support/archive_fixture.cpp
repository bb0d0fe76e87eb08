#include "archive_fixture.h"

#include <gtest/gtest.h>

#include "archive_writer.h"
#include "text_encoding.h"

std::string cp936_of(std::string_view utf8) {
  const auto bytes = cp936_from_native(native_from_utf8(utf8));
  EXPECT_TRUE(bytes.has_value()) << "no code page 936 form: " << utf8;
  return bytes.value_or(std::string());
}

std::string make_archive(const std::vector<FixtureRecord>& records) {
  std::string archive;
  for (const FixtureRecord& record : records) append_record(archive, cp936_of(record.name), record.data);
  return archive;
}
