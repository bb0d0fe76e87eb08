// Decoding speed against memcpy of the same buffer: memcpy is the most a byte-for-byte
// pass over memory can hope for. Sizes: one copy-buffer piece, which stays in the
// first-level cache, and a block too big for the second-level cache.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "byte_codec.h"
#include "install_procedure.h"

namespace {

std::vector<std::uint8_t> filled(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::uint32_t state = 12345;
  for (std::uint8_t& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(state >> 24);
  }
  return bytes;
}

void decode(benchmark::State& state) {
  std::vector<std::uint8_t> buffer = filled(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    decode_in_place(buffer.data(), buffer.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void copy(benchmark::State& state) {
  const std::vector<std::uint8_t> source = filled(static_cast<std::size_t>(state.range(0)));
  std::vector<std::uint8_t> target(source.size());
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr std::int64_t kPiece = static_cast<std::int64_t>(kCopyBufferSize);
constexpr std::int64_t kBlock = 8 << 20;

}  // namespace

BENCHMARK(decode)->Arg(kPiece)->Arg(kBlock);
BENCHMARK(copy)->Name("memcpy")->Arg(kPiece)->Arg(kBlock);

BENCHMARK_MAIN();
