#include "byte_codec.h"

namespace {

template <std::uint8_t (*Transform)(std::uint8_t)>
inline void transform_all(std::uint8_t* bytes, std::size_t count) {
  // Unrolled: the loop's own bookkeeping otherwise costs as much as the shifts.
#pragma GCC unroll 4
  for (std::size_t i = 0; i < count; ++i) bytes[i] = Transform(bytes[i]);
}

#if defined(__x86_64__) || defined(__i386__)
// With AVX2 the compiler shifts whole vectors (5 instructions per 32 bytes); the baseline
// build has no byte shift and adds each byte to itself 7 times instead (10 per 16 bytes).
__attribute__((target("avx2"))) void decode_avx2(std::uint8_t* bytes, std::size_t count) {
  transform_all<decode_byte>(bytes, count);
}

// AVX-512 doubles the width again, and merges the two halves in one instruction.
__attribute__((target("avx512bw,prefer-vector-width=512"))) void decode_avx512(
    std::uint8_t* bytes, std::size_t count) {
  transform_all<decode_byte>(bytes, count);
}
#endif

#if defined(__i386__)
// 32-bit x86 builds may not assume SSE2 (the oldest processors that run 32-bit Windows
// lack it), so the vector loop is chosen at run time.
__attribute__((target("sse2"))) void decode_sse2(std::uint8_t* bytes, std::size_t count) {
  transform_all<decode_byte>(bytes, count);
}
#endif

}  // namespace

void decode_in_place(std::uint8_t* bytes, std::size_t count) {
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("avx512bw")) return decode_avx512(bytes, count);
  if (__builtin_cpu_supports("avx2")) return decode_avx2(bytes, count);
#endif
#if defined(__i386__)
  if (__builtin_cpu_supports("sse2")) return decode_sse2(bytes, count);
#endif
  transform_all<decode_byte>(bytes, count);
}

void encode_in_place(std::uint8_t* bytes, std::size_t count) {
  transform_all<encode_byte>(bytes, count);
}
