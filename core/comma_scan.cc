#include "core/comma_scan.h"

#include <array>
#include <cstdint>

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

// The same scan with a counter for each depth, for texts too long to pack.
std::size_t next_splitting_comma_long(std::string_view text, std::size_t begin,
                                      std::size_t end) {
  std::int64_t brackets = 0;
  std::int64_t braces = 0;
  bool quoted = false;
  for (std::size_t i = begin; i < end; ++i) {
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

}  // namespace

std::size_t next_splitting_comma(std::string_view text, std::size_t begin, std::size_t end) {
  if (end - begin >= kPackedScanLimit) return next_splitting_comma_long(text, begin, end);
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  std::int64_t depths = 0;
  unsigned quoted = 0;
  // Without data-dependent branches but the one that ends the scan.
  for (std::size_t i = begin; i < end; ++i) {
    const unsigned char c = p[i];
    depths += kDepthSteps[c];
    quoted ^= static_cast<unsigned>(c == '"');
    if ((c == ',') & (depths == 0) & (quoted == 0)) return i;
  }
  return end;
}

}  // namespace quorvane
