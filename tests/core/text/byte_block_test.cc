#include "core/text/byte_block.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quorvane {
namespace {

// The mask of the bytes of `text` (at most 16) equal to `c`, byte by byte.
std::uint32_t expected_bits(const std::string& text, char c) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    bits |= static_cast<std::uint32_t>(text[i] == c) << i;
  return bits;
}

TEST(ByteBlock, LaneBitsMatchTheBytesTested) {
  std::mt19937 rng(5);
  const std::string alphabet = "ab, \"\x80\xFF";
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (std::size_t n = rng() % (kBlockSize + 1); n > 0; --n)
      text += alphabet[rng() % alphabet.size()];
    const ByteBlock block = load_block(text.data(), text.size());
    for (const char c : {',', '"', '\x80', '\xFF'}) {
      const LaneMask lanes = block == static_cast<unsigned char>(c);
      ASSERT_EQ(lane_bits(lanes), expected_bits(text, c)) << text;
      ASSERT_EQ(lane_bits_portable(lanes), expected_bits(text, c)) << text;
    }
    // The lanes past a short text are zero bytes.
    const std::uint32_t past = ~0u << text.size() & 0xFFFFu;
    ASSERT_EQ(lane_bits(block == 0), past | expected_bits(text, '\0')) << text;
  }
}

TEST(ByteBlock, LaneSumAddsEveryLaneAsUnsigned) {
  std::mt19937 rng(9);
  for (int round = 0; round < 2000; ++round) {
    unsigned char bytes[kBlockSize];
    std::uint32_t sum = 0;
    for (unsigned char& b : bytes) sum += b = static_cast<unsigned char>(rng());
    ASSERT_EQ(lane_sum(load_block(reinterpret_cast<const char*>(bytes), kBlockSize)), sum);
  }
  ByteBlock full;
  for (std::size_t i = 0; i < kBlockSize; ++i) full[i] = 0xFF;
  EXPECT_EQ(lane_sum(full), 16u * 255u);
}

}  // namespace
}  // namespace quorvane
