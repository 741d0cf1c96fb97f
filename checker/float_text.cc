#include "checker/float_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace quorvane::check {

std::string python_float_repr(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

  // Shortest round-trip digits in the form "-d.ddde+XX".
  char buffer[64];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  const bool negative = text.front() == '-';
  std::string digits;
  for (const char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  std::string_view exponent_text = text.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);

  std::string out = negative ? "-" : "";
  // Python's decision: with the value written as 0.DIGITS times 10 to the
  // power `point`, positional notation is used for -4 < point <= 16.
  const int point = exponent + 1;
  const int count = static_cast<int>(digits.size());
  if (point > -4 && point <= 16) {
    if (point <= 0) {
      out += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= count) {
      out += digits + std::string(static_cast<std::size_t>(point - count), '0') + ".0";
    } else {
      out += digits.substr(0, static_cast<std::size_t>(point)) + "." +
             digits.substr(static_cast<std::size_t>(point));
    }
    return out;
  }
  out += digits.front();
  if (count > 1) out += "." + digits.substr(1);
  out += exponent < 0 ? "e-" : "e+";
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

}  // namespace quorvane::check
