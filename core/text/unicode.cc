#include "core/text/unicode.h"

#include <cstdint>
#include <cstring>

#include "core/text/byte_block.h"

namespace quorvane {
namespace {

inline unsigned char byte_at(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

}  // namespace

std::size_t leading_whitespace_char(std::string_view text) {
  if (text.empty()) return 0;
  const unsigned char b0 = byte_at(text, 0);
  if (b0 < 0x80) return (b0 == 0x20 || (b0 >= 0x09 && b0 <= 0x0D)) ? 1 : 0;
  if (b0 == 0xC2) {  // U+0085, U+00A0
    if (text.size() < 2) return 0;
    const unsigned char b1 = byte_at(text, 1);
    return (b1 == 0x85 || b1 == 0xA0) ? 2 : 0;
  }
  if (b0 < 0xE1 || b0 > 0xE3 || text.size() < 3) return 0;
  const unsigned char b1 = byte_at(text, 1);
  const unsigned char b2 = byte_at(text, 2);
  switch (b0) {
    case 0xE1:  // U+1680
      return (b1 == 0x9A && b2 == 0x80) ? 3 : 0;
    case 0xE2:
      if (b1 == 0x80) {  // U+2000..U+200A, U+2028, U+2029, U+202F
        return ((b2 >= 0x80 && b2 <= 0x8A) || b2 == 0xA8 || b2 == 0xA9 || b2 == 0xAF) ? 3 : 0;
      }
      return (b1 == 0x81 && b2 == 0x9F) ? 3 : 0;  // U+205F
    default:  // 0xE3: U+3000
      return (b1 == 0x80 && b2 == 0x80) ? 3 : 0;
  }
}

std::size_t trailing_whitespace_char(std::string_view text) {
  const std::size_t n = text.size();
  if (n == 0) return 0;
  const unsigned char last = byte_at(text, n - 1);
  if (last < 0x80) return (last == 0x20 || (last >= 0x09 && last <= 0x0D)) ? 1 : 0;
  // Every multi-byte whitespace character ends in a continuation byte.
  if (n >= 2 && leading_whitespace_char(text.substr(n - 2)) == 2) return 2;
  if (n >= 3 && leading_whitespace_char(text.substr(n - 3)) == 3) return 3;
  return 0;
}

std::string_view trim_whitespace_scan(std::string_view text) {
  while (std::size_t k = leading_whitespace_char(text)) text.remove_prefix(k);
  while (std::size_t k = trailing_whitespace_char(text)) text.remove_suffix(k);
  return text;
}

std::string_view trim_whitespace_rest(std::string_view text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin != end && *begin == ' ') ++begin;
  if (begin == end) return std::string_view(begin, 0);
  while (end[-1] == ' ') --end;  // stops at *begin at the latest
  return trim_whitespace_scan(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

bool equals_ignoring_ascii_case(std::string_view text, std::string_view lower_word) {
  if (text.size() != lower_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lower_word[i]) return false;
  }
  return true;
}

std::optional<std::size_t> find_invalid_utf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    // ASCII runs are the common case: skip them 64 bytes at a time (a byte
    // above 0x7F sets its lane's sign in the blocks' union), then eight.
    while (n - i >= 4 * kBlockSize) {
      const char* q = text.data() + i;
      const ByteBlock any = load_block(q, kBlockSize) | load_block(q + kBlockSize, kBlockSize) |
                            load_block(q + 2 * kBlockSize, kBlockSize) |
                            load_block(q + 3 * kBlockSize, kBlockSize);
      if (lane_bits(reinterpret_cast<const LaneMask&>(any)) != 0) break;
      i += 4 * kBlockSize;
    }
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (word & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= n) break;
    const unsigned char b0 = p[i];
    if (b0 < 0x80) {
      ++i;
      continue;
    }
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      len = 3;
      if (b0 == 0xE0) lo = 0xA0;  // overlong
      if (b0 == 0xED) hi = 0x9F;  // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      len = 4;
      if (b0 == 0xF0) lo = 0x90;  // overlong
      if (b0 == 0xF4) hi = 0x8F;  // above U+10FFFF
    } else {
      return i;
    }
    if (i + len > n) return i;
    if (p[i + 1] < lo || p[i + 1] > hi) return i;
    for (std::size_t k = 2; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return i;
    }
    i += len;
  }
  return std::nullopt;
}

}  // namespace quorvane
