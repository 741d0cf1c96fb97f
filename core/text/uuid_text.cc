#include "core/text/uuid_text.h"

#include <array>
#include <cstdint>

namespace quorvane {
namespace {

constexpr std::string_view kUrnPrefix = "urn:uuid:";

// 0..15 for a hexadecimal digit, -1 for any other byte.
constexpr std::array<std::int8_t, 256> kHexValues = [] {
  std::array<std::int8_t, 256> values{};
  values.fill(-1);
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<std::int8_t>(c - '0');
  for (int c = 'a'; c <= 'f'; ++c) values[c] = static_cast<std::int8_t>(c - 'a' + 10);
  for (int c = 'A'; c <= 'F'; ++c) values[c] = static_cast<std::int8_t>(c - 'A' + 10);
  return values;
}();

// Where the high digit of each byte stands in the simple and the hyphenated form.
constexpr std::array<std::uint8_t, 16> kSimpleOffsets = {0,  2,  4,  6,  8,  10, 12, 14,
                                                         16, 18, 20, 22, 24, 26, 28, 30};
constexpr std::array<std::uint8_t, 16> kHyphenatedOffsets = {0,  2,  4,  6,  9,  11, 14, 16,
                                                             19, 21, 24, 26, 28, 30, 32, 34};

// Reads the 32 hexadecimal digits of `text` at `offsets`.
// REQUIRES: `text` reaches past the last offset.
std::optional<Id> read_digits(std::string_view text, const std::array<std::uint8_t, 16>& offsets) {
  Id id;
  int invalid = 0;  // negative once any digit is not one
  for (std::size_t byte = 0; byte < id.bytes.size(); ++byte) {
    const int high = kHexValues[static_cast<unsigned char>(text[offsets[byte]])];
    const int low = kHexValues[static_cast<unsigned char>(text[offsets[byte] + 1])];
    invalid |= high | low;
    id.bytes[byte] = static_cast<std::uint8_t>(high << 4 | low);
  }
  if (invalid < 0) return std::nullopt;
  return id;
}

// The hyphenated form: hyphens at offsets 8, 13, 18 and 23.
std::optional<Id> read_hyphenated(std::string_view text) {
  if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') return std::nullopt;
  return read_digits(text, kHyphenatedOffsets);
}

}  // namespace

std::optional<Id> parse_uuid_of_length(std::string_view text) {
  switch (text.size()) {
    case 32:
      return read_digits(text, kSimpleOffsets);
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
