// Code page 936 conversions: record names must convert the same way on every system.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "text_encoding.h"

namespace {

TEST(TextEncoding, ConvertsCodePage936BothWays) {
  const struct {
    const char* cp936;
    const char* utf8;
  } cases[] = {
      {"", ""},
      {"REG51.INC", "REG51.INC"},
      {"\xBC\xC4\xB4\xE6\xC6\xF7.INC", "寄存器.INC"},
      {"\x81\x5C", "乗"},  // trail byte 0x5C
      {"\x80", "€"},
  };
  for (const auto& c : cases) {
    const std::optional<NativeString> native = native_from_cp936(c.cp936);
    ASSERT_TRUE(native.has_value()) << c.utf8;
    EXPECT_EQ(utf8_from_native(*native), c.utf8);
    EXPECT_EQ(cp936_from_native(native_from_utf8(c.utf8)), std::optional<std::string>(c.cp936));
  }
}

TEST(TextEncoding, RefusesWhatCodePage936CannotHold) {
  for (const char* bytes : {"\x81", "A\xFF", "\x81\x7F", "\xFE\x30"}) {
    EXPECT_FALSE(native_from_cp936(bytes).has_value()) << bytes;
  }
  for (const char* utf8 : {"😀", "한", "\xE2\x82"}) {
    EXPECT_FALSE(cp936_from_native(native_from_utf8(utf8)).has_value()) << utf8;
  }
}

}  // namespace
