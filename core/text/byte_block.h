// Scanning text 16 bytes at a time: a block of bytes as a vector (GCC vector
// extensions, compiled to SSE2 or NEON), lane-wise tests on it, and the
// lanes that pass as a 16-bit mask, so that a scan can jump from one byte of
// interest to the next instead of testing every byte.
//
//   const ByteBlock b = load_block(p, 16);
//   std::uint32_t hits = lane_bits((b == ',') | (b == '"'));
//
// Pure functions; thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorvane {

inline constexpr std::size_t kBlockSize = 16;

using ByteBlock = unsigned char __attribute__((vector_size(kBlockSize)));
// A lane-wise comparison of ByteBlocks gives this: all ones where it holds.
using LaneMask = signed char __attribute__((vector_size(kBlockSize)));

// The `size` bytes at `p`, then zero bytes up to a full block.
// REQUIRES: size <= kBlockSize, and [p, p + size) readable.
inline ByteBlock load_block(const char* p, std::size_t size) {
  ByteBlock block{};
  if (size == kBlockSize) {
    std::memcpy(&block, p, kBlockSize);  // one unaligned load
  } else {
    std::memcpy(&block, p, size);
  }
  return block;
}

// Bit i set exactly when lane i of `lanes` is set; without vector hardware
// support, one lane at a time.
inline std::uint32_t lane_bits_portable(LaneMask lanes) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < kBlockSize; ++i) {
    bits |= static_cast<std::uint32_t>(lanes[i] < 0) << i;
  }
  return bits;
}

inline std::uint32_t lane_bits(LaneMask lanes) {
#if defined(__SSE2__)
  return static_cast<std::uint32_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(lanes)));
#else
  return lane_bits_portable(lanes);
#endif
}

// The sum of the 16 lanes of `bytes`, each read as 0..255.
inline std::uint32_t lane_sum(ByteBlock bytes) {
#if defined(__SSE2__)
  const __m128i sums = _mm_sad_epu8(reinterpret_cast<__m128i>(bytes), _mm_setzero_si128());
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
#else
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kBlockSize; ++i) sum += bytes[i];
  return sum;
#endif
}

}  // namespace quorvane
