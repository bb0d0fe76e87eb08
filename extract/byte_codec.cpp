#include "byte_codec.h"

void decode_in_place(std::uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes[i] = decode_byte(bytes[i]);
}

void encode_in_place(std::uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes[i] = encode_byte(bytes[i]);
}
