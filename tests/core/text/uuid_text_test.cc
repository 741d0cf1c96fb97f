#include "core/text/uuid_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

constexpr const char* kHyphenated = "550e8400-e29b-41d4-a716-446655440000";

class UuidAccepted : public testing::TestWithParam<std::string> {};

TEST_P(UuidAccepted, ReadsTheBytesInTextOrder) {
  const std::optional<Id> id = parse_uuid(GetParam());
  ASSERT_TRUE(id) << GetParam();
  EXPECT_EQ(id->text(), kHyphenated);
  EXPECT_EQ(id->bytes[0], 0x55);
  EXPECT_EQ(id->bytes[15], 0x00);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, UuidAccepted,
    testing::Values(std::string(kHyphenated), "550E8400-E29B-41D4-A716-446655440000",
                    "550e8400e29b41d4a716446655440000", "550E8400E29B41D4A716446655440000",
                    std::string("{") + kHyphenated + "}", std::string("urn:uuid:") + kHyphenated,
                    "urn:uuid:550E8400-e29b-41D4-A716-446655440000"));

class UuidRejected : public testing::TestWithParam<std::string> {};

TEST_P(UuidRejected, IsNoUuid) {
  EXPECT_EQ(parse_uuid(GetParam()), std::nullopt) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    NearMisses, UuidRejected,
    testing::Values(
        "", "550e8400-e29b-41d4-a716-44665544000",  // 35 characters
        "550e8400-e29b-41d4-a716-4466554400000",    // 37 characters
        "550e8400e29b41d4a71644665544000",          // 31 digits
        "550e8400e29b41d4a7164466554400000",        // 33 digits
        "550e840-0e29b-41d4-a716-446655440000",     // first hyphen one early
        "550e8400-e29b41d4-a716-4466554400-00",     // hyphens moved
        "550e8400-e29b-41d4-a716_446655440000",     // not a hyphen
        "550e8400-e29b-41d4-a716-44665544000g",     // not a hex digit
        "550e8400 e29b 41d4 a716 446655440000",     // spaces for hyphens
        "+50e8400-e29b-41d4-a716-446655440000", "550e8400-e29b-41d4-a716-4466554400\xC3\xA9",
        "550e8400e29b41d4a716-446655440000",     // simple length 33 with hyphen
        "550e8400-e29b-41d4-a716446655440000-",  // hyphenated length, hyphen at end
        std::string("{") + kHyphenated,          // brace unmatched
        std::string(kHyphenated) + "}", std::string("{") + kHyphenated + "]",
        std::string("(") + kHyphenated + ")", std::string("[") + kHyphenated + "]",
        "{550e8400e29b41d4a716446655440000}",  // braced simple form
        "{550e8400-e29b-41d4-a716-446655440000 }", std::string("URN:uuid:") + kHyphenated,
        std::string("urn:UUID:") + kHyphenated, std::string("Urn:uuid:") + kHyphenated,
        "urn:uuid:550e8400e29b41d4a716446655440000",  // URN of the simple form
        std::string("urn:uuid:{") + kHyphenated + "}", std::string("uuid:") + kHyphenated,
        std::string(" ") + kHyphenated, std::string(kHyphenated) + " ",
        std::string(kHyphenated).replace(8, 1, "-").replace(0, 1, "-")));

TEST(Uuid, WritesBackInLowercaseHyphenatedForm) {
  const std::optional<Id> id = parse_uuid("000102030405060708090A0B0C0D0E0F");
  ASSERT_TRUE(id);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(id->bytes[i], i);
  EXPECT_EQ(id->text(), "00010203-0405-0607-0809-0a0b0c0d0e0f");
}

}  // namespace
}  // namespace quorvane
