#include "core/uuid_text.h"

namespace quorvane {
namespace {

constexpr std::string_view kUrnPrefix = "urn:uuid:";

// 0..15 for a hexadecimal digit, -1 for anything else.
constexpr int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads 32 hexadecimal digits from `text`, skipping the characters at the
// hyphen offsets when `hyphenated` (and requiring them to be "-").
std::optional<Id> read_digits(std::string_view text, bool hyphenated) {
  Id id;
  std::size_t pos = 0;
  for (std::size_t byte = 0; byte < id.bytes.size(); ++byte) {
    if (hyphenated && (byte == 4 || byte == 6 || byte == 8 || byte == 10)) {
      if (text[pos] != '-') return std::nullopt;
      ++pos;
    }
    const int high = hex_value(text[pos]);
    const int low = hex_value(text[pos + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    id.bytes[byte] = static_cast<std::uint8_t>(high << 4 | low);
    pos += 2;
  }
  return id;
}

}  // namespace

std::optional<Id> parse_uuid(std::string_view text) {
  switch (text.size()) {
    case 32:
      return read_digits(text, false);
    case Id::kTextLength:
      return read_digits(text, true);
    case Id::kTextLength + 2:
      if (text.front() != '{' || text.back() != '}') return std::nullopt;
      return read_digits(text.substr(1, Id::kTextLength), true);
    case Id::kTextLength + kUrnPrefix.size():
      if (!text.starts_with(kUrnPrefix)) return std::nullopt;
      return read_digits(text.substr(kUrnPrefix.size()), true);
    default:
      return std::nullopt;
  }
}

}  // namespace quorvane
