// Reading numbers from value texts. The syntax: an optional "+" or "-", then
// either a decimal (digits, optionally "." and more digits, at least one digit
// in all, then optionally "e" or "E", an optional sign and at least one digit)
// or one of the words "inf", "infinity", "nan" in any ASCII letter case.
// Nothing else: no whitespace, digit separators or hexadecimal.
//
// The value is the decimal rounded once to the nearest single-precision float,
// ties to even, subnormals included; beyond the finite range it is infinity of
// its sign, and negative zero stays negative. Pure functions; thread-safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// A decimal as written: integer digits, fraction digits (either may be empty,
// not both) and the exponent. An exponent too large to hold is held as
// +-kExponentCap, which reads every decimal of a sane length the same way.
struct DecimalText {
  static constexpr std::int64_t kExponentCap = std::int64_t{1} << 50;

  bool negative = false;
  std::string_view integer;
  std::string_view fraction;
  std::int64_t exponent = 0;
};

// Whether `text` fits the number syntax. No trimming.
bool is_number_text(std::string_view text);

// Whether a number may start `text`: past an optional sign, a digit, a
// point, or the first letter of one of the words. Every number text does.
constexpr bool may_start_number(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (text.empty()) return false;
  const char c = text.front();
  const char lowered = static_cast<char>(c | 0x20);
  return (c >= '0' && c <= '9') || c == '.' || lowered == 'i' || lowered == 'n';
}

// parse_number past its first bytes' check.
// REQUIRES: may_start_number(text).
std::optional<float> parse_number_text(std::string_view text);

// The float that `text` spells, or nothing when it does not fit the syntax.
// Inline so that a text no number may start, as most words are, is turned
// away without a call.
inline std::optional<float> parse_number(std::string_view text) {
  if (!may_start_number(text)) return std::nullopt;
  return parse_number_text(text);
}

// The float nearest to the value of `decimal`, ties to even. The digits may
// be of any length; at most a fixed prefix of them is copied.
float round_decimal(const DecimalText& decimal);

}  // namespace quorvane
