// Every stored byte of a setup archive (names and data alike) is the plain byte rotated
// left by one bit. The length fields are not encoded.
#pragma once

#include <cstddef>
#include <cstdint>

inline std::uint8_t decode_byte(std::uint8_t stored) {
  return static_cast<std::uint8_t>((stored >> 1) | (stored << 7));
}

inline std::uint8_t encode_byte(std::uint8_t plain) {
  return static_cast<std::uint8_t>((plain << 1) | (plain >> 7));
}

// Decodes in place. Kept out of line and free of aliasing so that it compiles to vector code.
void decode_in_place(std::uint8_t* bytes, std::size_t count);
void encode_in_place(std::uint8_t* bytes, std::size_t count);
