#include "core/comma_scan.h"

#include <array>
#include <bit>
#include <cstdint>

#include "core/byte_block.h"

namespace quorvane {
namespace {

// The bracket and brace depths packed into one number: a bracket counts
// 2^32, a brace 1. While fewer than 2^31 bytes are scanned, the brace depth
// stays below 2^31 in magnitude, so the sum is zero exactly when both are.
constexpr std::int64_t kBracketUnit = std::int64_t{1} << 32;
constexpr std::size_t kPackedScanLimit = std::size_t{1} << 31;

constexpr std::array<std::int64_t, 256> kDepthSteps = [] {
  std::array<std::int64_t, 256> steps{};
  steps['['] = kBracketUnit;
  steps[']'] = -kBracketUnit;
  steps['{'] = 1;
  steps['}'] = -1;
  return steps;
}();

// Whether either depth of `depths` (packed as above) has passed
// kMaxDirectDepth; roughly, for the bracket depth.
inline bool too_deep(std::int64_t depths) {
  return static_cast<std::int32_t>(depths) > kMaxDirectDepth || (depths >> 32) > kMaxDirectDepth;
}

// The same scan with a counter for each depth, for texts too long to pack.
std::size_t next_splitting_comma_long(std::string_view text, std::size_t begin, std::size_t end) {
  std::int64_t brackets = 0;
  std::int64_t braces = 0;
  bool quoted = false;
  for (std::size_t i = begin; i < end; ++i) {
    if (brackets > kMaxDirectDepth || braces > kMaxDirectDepth) return kExhausted;
    switch (text[i]) {
      case ',':
        if (!quoted && brackets == 0 && braces == 0) return i;
        break;
      case '"':
        quoted = !quoted;
        break;
      case '[':
        ++brackets;
        break;
      case ']':
        --brackets;
        break;
      case '{':
        ++braces;
        break;
      case '}':
        --braces;
        break;
      default:
        break;
    }
  }
  return end;
}

// The bytes of `block` that change the scan or may end it: , " [ ] { }.
// ("[" and "{", and "]" and "}", differ only in the bit 0x20.)
inline std::uint32_t structural_bits(ByteBlock block) {
  const ByteBlock folded = block | 0x20;
  return lane_bits((block == ',') | (block == '"') | (folded == '{') | (folded == '}'));
}

}  // namespace

// Jumps from one structural byte to the next, 16 bytes at a time, and then
// takes the last bytes one by one. The work per byte has no data-dependent
// branch but the one that ends the scan.
std::size_t next_splitting_comma(std::string_view text, std::size_t begin, std::size_t end) {
  if (end - begin >= kPackedScanLimit) return next_splitting_comma_long(text, begin, end);
  const char* const p = text.data();
  std::int64_t depths = 0;
  unsigned quoted = 0;
  auto splits_at = [&](std::size_t i) {
    const auto c = static_cast<unsigned char>(p[i]);
    depths += kDepthSteps[c];
    quoted ^= static_cast<unsigned>(c == '"');
    return (c == ',') & (depths == 0) & (quoted == 0);
  };
  std::size_t block = begin;
  for (; end - block >= kBlockSize; block += kBlockSize) {
    for (std::uint32_t bits = structural_bits(load_block(p + block, kBlockSize)); bits != 0;
         bits &= bits - 1) {
      const std::size_t i = block + static_cast<std::size_t>(std::countr_zero(bits));
      if (splits_at(i)) return i;
    }
    if (too_deep(depths)) return kExhausted;
  }
  for (std::size_t i = block; i < end; ++i) {
    if (splits_at(i)) return i;
  }
  return end;
}

}  // namespace quorvane
