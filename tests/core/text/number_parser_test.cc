#include "core/text/number_parser.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace quorvane {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
// 2^-150, half the smallest subnormal, written out exactly.
const std::string kHalfMinSubnormal =
    "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094"
    "181060791015625e-46";

class NumberAccepted : public testing::TestWithParam<std::string> {};

TEST_P(NumberAccepted, FitsTheSyntax) {
  EXPECT_TRUE(is_number_text(GetParam()));
  EXPECT_TRUE(parse_number(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberAccepted,
    testing::Values("0", "1", "-1", "+1", "1.", ".5", "1.5", "-.5", "+0.", "1e5", "2E-3", "1e+5",
                    "00.00e00", "007", "1e0000000000000000000000000001", "1e999999999",
                    "0e999999999", "-1e-999999999", "123456789012345678901234567890", "inf", "INF",
                    "+inf", "-Inf", "infinity", "-iNfInItY", "nan", "NaN", "+nan", "-NAN"));

class NumberRejected : public testing::TestWithParam<std::string> {};

TEST_P(NumberRejected, DoesNotFitTheSyntax) {
  EXPECT_FALSE(is_number_text(GetParam()));
  EXPECT_EQ(parse_number(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberRejected,
                         testing::Values("", "+", "-", ".", "+.", "-.", "e5", ".e5", "1e", "1E",
                                         "1e+", "1e-", "1.e", "1.5.2", "1..5", "0x10", "0X1p3",
                                         "1,000", "1 000", " 1", "1 ", "1\n", "1_000", "--1", "+-1",
                                         "-+1", "1e5.5", "1e5e5", "1e1.", "E1", "e", "1f", "1d",
                                         "1e++5", "infinite", "infinityy", "infinit", "in", "i",
                                         "n", "na", "nan(1)", "nana", "+inf ", "inf1", "1inf",
                                         "- 1", "\xD9\xA1", "\xEF\xBC\x91", "1\xC2\xA0",
                                         std::string("1\0", 2), "true"));

struct ValueCase {
  std::string text;
  float value;
};

class NumberValue : public testing::TestWithParam<ValueCase> {};

TEST_P(NumberValue, IsTheCorrectlyRoundedFloat) {
  const std::optional<float> got = parse_number(GetParam().text);
  ASSERT_TRUE(got) << GetParam().text;
  EXPECT_EQ(std::bit_cast<std::uint32_t>(*got), std::bit_cast<std::uint32_t>(GetParam().value))
      << GetParam().text << " gave " << *got;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberValue,
    testing::Values(
        ValueCase{"16777217", 16777216.0f}, ValueCase{"16777219", 16777220.0f},
        ValueCase{"0.1", 0x1.99999ap-4f}, ValueCase{"-0", -0.0f}, ValueCase{"-0.000e5", -0.0f},
        ValueCase{"+0", 0.0f}, ValueCase{"0e999999999", 0.0f}, ValueCase{"-0e999999999", -0.0f},
        ValueCase{"1e999999999", kInf}, ValueCase{"-1e999999999", -kInf},
        ValueCase{"1e-999999999", 0.0f}, ValueCase{"-1e-999999999", -0.0f}, ValueCase{"1e39", kInf},
        ValueCase{"-1e39", -kInf}, ValueCase{"1e-50", 0.0f}, ValueCase{"-1e-50", -0.0f},
        ValueCase{"3.4028235e38", 0x1.fffffep127f},
        ValueCase{"340282356779733661637539395458142568447.999", 0x1.fffffep127f},
        ValueCase{"340282356779733661637539395458142568448", kInf},  // halfway to 2^128: even
        ValueCase{"1.40129846e-45", 0x1p-149f}, ValueCase{kHalfMinSubnormal, 0.0f},
        ValueCase{"-" + kHalfMinSubnormal, -0.0f},
        ValueCase{kHalfMinSubnormal.substr(0, kHalfMinSubnormal.size() - 4) + "1e-46", 0x1p-149f},
        ValueCase{"7.0064923216240854e-46", 0x1p-149f}, ValueCase{"7.0064923216240853e-46", 0.0f},
        ValueCase{
            "2.10194769648722560638559437493487419692039291281477365763560242583468662402879090"
            "2229957282543182373046875e-45",
            0x1p-148f},  // 1.5 * 2^-149 exactly: ties to even
        ValueCase{"0." + std::string(100000, '0') + "1e100001", 1.0f},
        ValueCase{"1" + std::string(100000, '0') + "e-100000", 1.0f},
        ValueCase{"1.00000005960464477539062500000000000000000000000000001", 0x1.000002p0f},
        ValueCase{"1.000000059604644775390625", 1.0f},  // 1 + 2^-24 exactly: even
        ValueCase{"inf", kInf}, ValueCase{"-Infinity", -kInf}));

TEST(NumberValue, NanKeepsItsSign) {
  for (const char* text : {"nan", "NaN", "+nan", "-nan", "-NAN"}) {
    const std::optional<float> got = parse_number(text);
    ASSERT_TRUE(got) << text;
    EXPECT_TRUE(std::isnan(*got)) << text;
    EXPECT_EQ(std::signbit(*got), text[0] == '-') << text;
  }
}

}  // namespace
}  // namespace quorvane
