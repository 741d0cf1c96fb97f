#include "core/text/uuid_text.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/text/byte_block.h"

namespace quorvane {
namespace {

constexpr std::string_view kUrnPrefix = "urn:uuid:";

#if !defined(__SSE2__)
// Reads the eight hexadecimal digits at `p` into four bytes at `out`, or
// returns false if any is not one. All eight are classified and converted
// at once in one 64-bit word, which needs no table.
bool read_eight_digits(const char* p, std::uint8_t* out) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHigh = 0x8080808080808080;
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = std::byteswap(word);
  if (word & kHigh) return false;
  // The high bit of each byte of the result: that byte is at least `n`.
  // REQUIRES: every byte of `v` is below 0x80, and n <= 0x80.
  auto at_least = [](std::uint64_t v, std::uint64_t n) { return ((v | kHigh) - n * kOnes) & kHigh; };
  const std::uint64_t digit = at_least(word, '0') & ~at_least(word, '9' + 1);
  const std::uint64_t lowered = word | 0x20 * kOnes;
  const std::uint64_t letter = at_least(lowered, 'a') & ~at_least(lowered, 'f' + 1);
  if ((digit | letter) != kHigh) return false;
  // A digit's value is its low four bits, a letter's those plus 9.
  const std::uint64_t values = (word & 0x0F * kOnes) + (letter >> 7) * 9;
  // Byte 2k becomes digit 2k's value times 16 plus digit 2k+1's; then the
  // even bytes close up.
  std::uint64_t pairs = ((values << 4) | (values >> 8)) & 0x00FF00FF00FF00FF;
  pairs = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFF;
  auto bytes = static_cast<std::uint32_t>(pairs | (pairs >> 16));
  if constexpr (std::endian::native == std::endian::big) bytes = std::byteswap(bytes);
  std::memcpy(out, &bytes, sizeof bytes);
  return true;
}
#endif

#if defined(__SSE2__)
// Reads the 32 hexadecimal digits at `digits` into the 16 bytes at `out`, or
// returns false if any is not one: 16 digits to a vector, the pairs of each
// 16-bit lane joined, and the lanes packed to bytes.
bool read_digits_into(const char* digits, std::uint8_t* out) {
  using PairBlock = std::uint16_t __attribute__((vector_size(kBlockSize)));
  PairBlock pairs[2];
  std::uint32_t valid = 0xFFFF;
  for (std::size_t k = 0; k < 2; ++k) {
    const ByteBlock block = load_block(digits + kBlockSize * k, kBlockSize);
    const ByteBlock lowered = block | 0x20;
    const LaneMask letter = (lowered >= 'a') & (lowered <= 'f');
    valid &= lane_bits(((block >= '0') & (block <= '9')) | letter);
    // A digit's value is its low four bits, a letter's those plus 9.
    const auto values = reinterpret_cast<PairBlock>((block & 0x0F) + (reinterpret_cast<ByteBlock>(letter) & 9));
    // x86 is little-endian: a lane's low byte is the pair's first digit.
    pairs[k] = ((values << 4) | (values >> 8)) & 0x00FF;
  }
  if (valid != 0xFFFF) return false;
  const __m128i bytes = _mm_packus_epi16(reinterpret_cast<__m128i>(pairs[0]),
                                         reinterpret_cast<__m128i>(pairs[1]));
  std::memcpy(out, &bytes, sizeof bytes);
  return true;
}
#else
bool read_digits_into(const char* digits, std::uint8_t* out) {
  for (std::size_t k = 0; k < 4; ++k) {
    if (!read_eight_digits(digits + 8 * k, out + 4 * k)) return false;
  }
  return true;
}
#endif

// Reads the 32 hexadecimal digits at `digits`.
std::optional<Id> read_digits(const char* digits) {
  Id id;
  if (!read_digits_into(digits, id.bytes.data())) return std::nullopt;
  return id;
}

// The hyphenated form: hyphens at offsets 8, 13, 18 and 23.
std::optional<Id> read_hyphenated(std::string_view text) {
  if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') return std::nullopt;
  char digits[32];
  std::memcpy(digits, text.data(), 8);
  std::memcpy(digits + 8, text.data() + 9, 4);
  std::memcpy(digits + 12, text.data() + 14, 4);
  std::memcpy(digits + 16, text.data() + 19, 4);
  std::memcpy(digits + 20, text.data() + 24, 12);
  return read_digits(digits);
}

}  // namespace

std::optional<Id> parse_uuid_of_length(std::string_view text) {
  switch (text.size()) {
    case 32:
      return read_digits(text.data());
    case Id::kTextLength:
      return read_hyphenated(text);
    case Id::kTextLength + 2:
      if (text.front() != '{' || text.back() != '}') return std::nullopt;
      return read_hyphenated(text.substr(1, Id::kTextLength));
    default:  // Id::kTextLength + kUrnPrefix.size()
      static_assert(kUrnPrefix.size() == 9, "the length in is_uuid_text_length");
      if (!text.starts_with(kUrnPrefix)) return std::nullopt;
      return read_hyphenated(text.substr(kUrnPrefix.size()));
  }
}

}  // namespace quorvane
