#include "core/text/number_parser.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/text/unicode.h"

namespace quorvane {
namespace {

// Significant digits handed to the conversion. Every value halfway between
// two floats has at most 113 significant digits, so a prefix of 120 digits,
// followed by a "1" when the dropped tail is not all zeros, lies on the same
// side of every such halfway value as the full decimal does.
constexpr std::size_t kKeptDigits = 120;

// Decimal exponents of the leading digit beyond which the result is known:
// 1e39 exceeds the largest float plus half its spacing, and 1e-46 is below
// half the smallest subnormal (about 7.0e-46).
constexpr std::int64_t kOverflowMagnitude = 39;
constexpr std::int64_t kUnderflowMagnitude = -47;

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view take_digits(std::string_view& rest) {
  std::size_t n = 0;
  while (n < rest.size() && is_digit(rest[n])) ++n;
  const std::string_view digits = rest.substr(0, n);
  rest.remove_prefix(n);
  return digits;
}

// Reads "e", an optional sign and at least one digit, saturating the value.
std::optional<std::int64_t> take_exponent(std::string_view& rest) {
  rest.remove_prefix(1);  // "e" or "E"
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const std::string_view digits = take_digits(rest);
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value >= DecimalText::kExponentCap) {
      value = DecimalText::kExponentCap;
      break;
    }
  }
  return negative ? -value : value;
}

enum class Special : std::uint8_t { kNone, kInfinity, kNan };

struct ScannedNumber {
  Special special = Special::kNone;
  DecimalText decimal;  // the sign is set for every kind
};

std::optional<ScannedNumber> scan_number(std::string_view text) {
  ScannedNumber out;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    out.decimal.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  if (!is_digit(text.front()) && text.front() != '.') {
    if (text.size() != 3 && text.size() != 8) return std::nullopt;  // no word of these
    if (equals_ignoring_ascii_case(text, "inf") || equals_ignoring_ascii_case(text, "infinity")) {
      out.special = Special::kInfinity;
    } else if (equals_ignoring_ascii_case(text, "nan")) {
      out.special = Special::kNan;
    } else {
      return std::nullopt;
    }
    return out;
  }
  out.decimal.integer = take_digits(text);
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    out.decimal.fraction = take_digits(text);
  }
  if (out.decimal.integer.empty() && out.decimal.fraction.empty()) return std::nullopt;
  if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
    const std::optional<std::int64_t> exponent = take_exponent(text);
    if (!exponent) return std::nullopt;
    out.decimal.exponent = *exponent;
  }
  if (!text.empty()) return std::nullopt;
  return out;
}

float with_sign(float magnitude, bool negative) {
  return negative ? -magnitude : magnitude;
}

// Powers of ten that a float holds exactly (5^10 < 2^24 < 5^11).
constexpr float kExactPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                       1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr std::int64_t kMaxExactPower = 10;
constexpr std::uint32_t kMaxExactSignificand = std::uint32_t{1} << 24;

enum class ShortNumber : std::uint8_t {
  kRead,      // the value is set
  kNotShort,  // maybe a number: the full scan tells
};

// The float of a number text whose digits, read as one integer, are at most
// 2^24 and whose power of ten is at most 10 in magnitude: both are exact
// floats, so one multiplication or division rounds the value correctly.
// This is the shape of nearly every number in real files, read here in one
// pass. kNotShort for any other text that may be a number, and wherever
// float arithmetic is done in more precision. (A plain result and an out
// parameter keep the hot path free of stores and reloads of a
// std::optional.)
ShortNumber parse_short_number(std::string_view text, float& value) {
#if FLT_EVAL_METHOD == 0
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) ++p;
  std::uint32_t significand = 0;
  std::int64_t power = 0;
  const char* const digits_begin = p;
  for (; p < end && is_digit(*p); ++p) {
    significand = significand * 10 + static_cast<std::uint32_t>(*p - '0');
    if (significand > kMaxExactSignificand) return ShortNumber::kNotShort;
  }
  if (p < end && *p == '.') {
    for (++p; p < end && is_digit(*p); ++p, --power) {
      significand = significand * 10 + static_cast<std::uint32_t>(*p - '0');
      if (significand > kMaxExactSignificand) return ShortNumber::kNotShort;
    }
    if (p == digits_begin + 1) return ShortNumber::kNotShort;  // a lone point
  } else if (p == digits_begin) {
    return ShortNumber::kNotShort;  // one of the words, or none
  }
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negative_exponent = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) ++p;
    if (p == end) return ShortNumber::kNotShort;
    std::int64_t exponent = 0;
    for (; p < end && is_digit(*p) && exponent <= kMaxExactPower * 2; ++p) {
      exponent = exponent * 10 + (*p - '0');
    }
    power += negative_exponent ? -exponent : exponent;
  }
  if (p != end || power < -kMaxExactPower || power > kMaxExactPower) {
    return ShortNumber::kNotShort;
  }
  const auto magnitude = static_cast<float>(significand);
  value = with_sign(
      power < 0 ? magnitude / kExactPowersOfTen[-power] : magnitude * kExactPowersOfTen[power],
      negative);
  return ShortNumber::kRead;
#else
  (void)text;
  (void)value;
  return ShortNumber::kNotShort;
#endif
}

}  // namespace

bool is_number_text(std::string_view text) {
  return scan_number(text).has_value();
}

std::optional<float> parse_number_text(std::string_view text) {
  float value;
  if (parse_short_number(text, value) == ShortNumber::kRead) return value;
  const std::optional<ScannedNumber> scanned = scan_number(text);
  if (!scanned) return std::nullopt;
  const bool negative = scanned->decimal.negative;
  switch (scanned->special) {
    case Special::kInfinity:
      return with_sign(std::numeric_limits<float>::infinity(), negative);
    case Special::kNan:
      return std::copysign(std::numeric_limits<float>::quiet_NaN(), negative ? -1.0f : 1.0f);
    case Special::kNone:
      break;
  }
  return round_decimal(scanned->decimal);
}

float round_decimal(const DecimalText& decimal) {
  const std::string_view integer = decimal.integer;
  const std::string_view fraction = decimal.fraction;
  const std::size_t total = integer.size() + fraction.size();
  auto digit = [&](std::size_t i) {
    return i < integer.size() ? integer[i] : fraction[i - integer.size()];
  };

  std::size_t first = 0;
  while (first < total && digit(first) == '0') ++first;
  if (first == total) return with_sign(0.0f, decimal.negative);

  // The significant digits as one integer (with a sticky "1" standing for a
  // dropped nonzero tail) times 10^scale.
  char buffer[kKeptDigits + 1 + 32];
  const std::size_t significant = total - first;
  const std::size_t kept = significant < kKeptDigits ? significant : kKeptDigits;
  std::size_t length = 0;
  for (std::size_t i = first; i < first + kept; ++i) buffer[length++] = digit(i);
  for (std::size_t i = first + kept; i < total; ++i) {
    if (digit(i) != '0') {
      buffer[length++] = '1';
      break;
    }
  }
  const auto unwritten = static_cast<std::int64_t>(significant - length);
  const std::int64_t scale =
      decimal.exponent - static_cast<std::int64_t>(fraction.size()) + unwritten;
  const std::int64_t magnitude = scale + static_cast<std::int64_t>(length) - 1;
  if (magnitude >= kOverflowMagnitude) {
    return with_sign(std::numeric_limits<float>::infinity(), decimal.negative);
  }
  if (magnitude <= kUnderflowMagnitude) return with_sign(0.0f, decimal.negative);

  char* end = buffer + length;
  *end++ = 'e';
  end = std::to_chars(end, buffer + sizeof buffer, scale).ptr;
  float value = 0.0f;
  const std::from_chars_result result = std::from_chars(buffer, end, value);
  if (result.ec == std::errc::result_out_of_range) {
    // The conversion leaves `value` alone when the result is beyond the
    // finite range or rounds to zero; the magnitude tells which.
    value = magnitude >= 0 ? std::numeric_limits<float>::infinity() : 0.0f;
  }
  return with_sign(value, decimal.negative);
}

}  // namespace quorvane
