// Compares parse_number with glibc's strtof, which rounds correctly, over
// generated texts of the number syntax. QUORVANE_NUMBER_CASES and
// QUORVANE_NUMBER_SEED select a larger or another run.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/text/number_parser.h"

namespace quorvane {
namespace {

constexpr std::uint64_t kDefaultCases = 120000;
constexpr std::uint64_t kDefaultSeed = 20240601;

std::uint64_t from_environment(const char* name, std::uint64_t fallback) {
  const char* env = std::getenv(name);
  return env == nullptr ? fallback : std::strtoull(env, nullptr, 10);
}

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : rng_(seed) {}

  std::string next() {
    switch (below(9)) {
      case 0:
      case 1:
        return random_decimal();
      case 2:
      case 3:
      case 4:
        return near_halfway();
      case 5:
        return long_mantissa();
      case 6:
        return extreme_exponent();
      case 7:
        return short_decimal();
      default:
        return printed_float();
    }
  }

 private:
  std::uint64_t below(std::uint64_t n) {
    return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(rng_);
  }
  bool coin() { return below(2) == 0; }

  std::string digits(std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += static_cast<char>('0' + below(10));
    return out;
  }

  std::string sign() {
    const std::uint64_t r = below(4);
    return r == 0 ? "-" : r == 1 ? "+" : r == 2 ? "-" : "";
  }

  // Writes the decimal `mantissa` x 10^exponent (mantissa: digits only) with
  // the point moved, leading and trailing zeros added and the exponent
  // spelled in any accepted way.
  std::string spell(std::string mantissa, long long exponent) {
    mantissa.insert(0, std::string(below(4) == 0 ? below(6) : 0, '0'));
    if (below(4) == 0) mantissa += std::string(below(6), '0');
    const std::size_t point = below(mantissa.size() + 1);
    exponent += static_cast<long long>(mantissa.size() - point);
    std::string out = sign() + mantissa.substr(0, point);
    if (point < mantissa.size() || below(3) == 0) out += "." + mantissa.substr(point);
    if (exponent != 0 || coin()) {
      out += coin() ? 'e' : 'E';
      if (exponent < 0) {
        out += '-';
      } else if (coin()) {
        out += '+';
      }
      out += std::string(below(5) == 0 ? below(4) : 0, '0') + std::to_string(std::llabs(exponent));
    }
    return out;
  }

  std::string random_decimal() {
    std::string mantissa = digits(1 + below(below(4) == 0 ? 45 : 12));
    const long long exponent = static_cast<long long>(below(100)) - 60;
    return spell(mantissa, exponent);
  }

  // Up to nine digits and a small power of ten, the shape of most numbers in
  // real files, on both sides of 2^24 and of the powers that floats hold.
  std::string short_decimal() {
    std::string mantissa =
        below(8) == 0 ? std::to_string(16777200 + below(40)) : digits(1 + below(9));
    const long long exponent = static_cast<long long>(below(27)) - 13;
    return spell(mantissa, exponent);
  }

  // A float of any range: subnormal, normal, or the largest ones.
  float random_float() {
    switch (below(4)) {
      case 0:
        return std::bit_cast<float>(static_cast<std::uint32_t>(below(0x00800000)));
      case 1:
        return std::bit_cast<float>(static_cast<std::uint32_t>(0x7F7FFFFF - below(64)));
      case 2:
        return std::bit_cast<float>(static_cast<std::uint32_t>(below(64)));
      default:
        return std::bit_cast<float>(static_cast<std::uint32_t>(below(0x7F800000)));
    }
  }

  // The exact decimal digits and exponent of a double: value = 0.digits x 10^exp.
  static std::string exact_digits(double value, long long& exponent) {
    char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.1100e", value);
    std::string text(buffer);
    const std::size_t e = text.find('e');
    exponent = std::stoll(text.substr(e + 1)) + 1;
    std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    return mantissa.empty() ? "0" : mantissa;
  }

  // The exact midpoint between a float and the next one up (2^128 above the
  // largest), exactly, or nudged just below or above it, or cut short.
  std::string near_halfway() {
    const float low = random_float();
    const double high = std::bit_cast<std::uint32_t>(low) == 0x7F7FFFFF
                            ? std::ldexp(1.0, 128)
                            : static_cast<double>(std::nextafter(low, INFINITY));
    const double mid = (static_cast<double>(low) + high) / 2;  // exact in double
    long long exponent = 0;
    std::string mantissa = exact_digits(mid, exponent);
    switch (below(4)) {
      case 0:
        mantissa += std::string(below(30), '0') + "1";  // just above
        break;
      case 1: {  // just below: subtract one unit in the last place, append nines
        std::size_t i = mantissa.size();
        while (mantissa[--i] == '0') mantissa[i] = '9';
        --mantissa[i];
        mantissa += std::string(1 + below(30), '9');
        break;
      }
      case 2:
        mantissa.resize(std::min<std::size_t>(mantissa.size(), 1 + below(20)));
        break;
      default:
        break;  // exactly halfway
    }
    return spell(mantissa, exponent - static_cast<long long>(mantissa.size()));
  }

  std::string long_mantissa() {
    const std::size_t n = below(10) == 0 ? 200 + below(2000) : 40 + below(60);
    const long long magnitude = static_cast<long long>(below(95)) - 52;
    return spell(digits(n), magnitude - static_cast<long long>(n));
  }

  std::string extreme_exponent() {
    static const char* const kFixed[] = {"1e999999999",
                                         "0e999999999",
                                         "-0e999999999",
                                         "1e-999999999",
                                         "-1e-999999999",
                                         "0.0e-999999999",
                                         "9e99999999999999999999",
                                         "1e-99999999999999999999",
                                         "inf",
                                         "-INFINITY",
                                         "Infinity",
                                         "+inF"};
    if (below(4) == 0) return kFixed[below(std::size(kFixed))];
    const std::string mantissa = below(4) == 0 ? "0" : digits(1 + below(20));
    const long long exponent = coin() ? static_cast<long long>(below(2000000000)) - 1000000000
                                      : static_cast<long long>(below(120)) - 70;
    return spell(mantissa, exponent);
  }

  std::string printed_float() {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(1 + below(12)),
                  static_cast<double>(random_float()));
    return (below(3) == 0 ? "-" : "") + std::string(buffer);
  }

  std::mt19937_64 rng_;
};

bool same_float(float a, float b) {
  if (std::isnan(a) || std::isnan(b))
    return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

TEST(NumberDifferential, MatchesCorrectlyRoundedStrtof) {
  Generator generator(from_environment("QUORVANE_NUMBER_SEED", kDefaultSeed));
  const std::uint64_t cases = from_environment("QUORVANE_NUMBER_CASES", kDefaultCases);
  std::size_t failures = 0;
  for (std::uint64_t i = 0; i < cases && failures < 20; ++i) {
    const std::string text = generator.next();
    ASSERT_TRUE(is_number_text(text)) << "the generator wrote '" << text << "'";
    const float expected = std::strtof(text.c_str(), nullptr);
    const std::optional<float> got = parse_number(text);
    ASSERT_TRUE(got) << text;
    if (!same_float(*got, expected)) {
      ++failures;
      ADD_FAILURE() << text << ": got " << std::hexfloat << *got << ", strtof " << expected;
    }
  }
}

}  // namespace
}  // namespace quorvane
