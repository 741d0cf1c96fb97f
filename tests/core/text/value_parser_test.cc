#include "core/text/value_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

std::string describe(const DataType& value) {
  return testing::describe(value, testing::Quoting::kExact);
}

constexpr const char* kUuid = "550e8400-e29b-41d4-a716-446655440000";

std::string q(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::optional<std::string> parsed(TypeCode code, std::string_view text) {
  const std::optional<DataType> value = parse_value(code, text);
  if (!value) return std::nullopt;
  return describe(*value);
}

struct InferCase {
  std::string text;
  TypeCode code;
};

void PrintTo(const InferCase& c, std::ostream* os) {
  *os << "'" << c.text << "'";
}

class InferType : public ::testing::TestWithParam<InferCase> {};

TEST_P(InferType, GivesTheCodeOfTheFirstMatchingForm) {
  EXPECT_EQ(infer_type(GetParam().text), GetParam().code) << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InferType,
    ::testing::Values(InferCase{kUuid, 1}, InferCase{"550E8400E29B41D4A716446655440000", 1},
                    InferCase{std::string("{") + kUuid + "}", 1},
                    InferCase{std::string("urn:uuid:") + kUuid, 1},
                    InferCase{std::string("URN:uuid:") + kUuid, 2},
                    InferCase{"12345678901234567890123456789012", 1}, InferCase{"1", 3},
                    InferCase{" -2.5 ", 3}, InferCase{"1e3", 3}, InferCase{".5", 3},
                    InferCase{"5.", 3}, InferCase{"+7", 3}, InferCase{"inf", 3},
                    InferCase{"-Infinity", 3}, InferCase{"NaN", 3}, InferCase{"0x10", 2},
                    InferCase{"1,000", 2}, InferCase{"1 000", 2}, InferCase{"1e", 2},
                    InferCase{"true", 4}, InferCase{"TRUE", 4}, InferCase{"False", 4},
                    InferCase{"yes", 2}, InferCase{"", 2}, InferCase{"   ", 2},
                    InferCase{"[1,2]", 5}, InferCase{"[1,2", 2}, InferCase{"{a: 1}", 6},
                    InferCase{"{a: 1", 2}, InferCase{q("12"), 2}, InferCase{q("true"), 2},
                    InferCase{q("[1]"), 2}, InferCase{"[", 2}, InferCase{"{", 2}, InferCase{"]", 2},
                    InferCase{"[]", 5}, InferCase{"{}", 6}, InferCase{"[}", 2},
                    InferCase{"\xE3\x80\x80[1]\xC2\xA0", 5}, InferCase{"\t{a:1}\n", 6},
                    InferCase{" true\r\n", 4}, InferCase{"tru", 2}, InferCase{"-", 2},
                    InferCase{".", 2}, InferCase{"nan(1)", 2}, InferCase{"'1'", 2},
                    InferCase{"\xE2\x80\x8B"
                              "1",
                              2}));

struct ParseCase {
  TypeCode code;
  std::string text;
  std::optional<std::string> value;  // as described by describe()
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.code << " '" << c.text << "'";
}

class ParseValue : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseValue, BuildsTheValueOrNothing) {
  EXPECT_EQ(parsed(GetParam().code, GetParam().text), GetParam().value)
      << "code " << GetParam().code << ", text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Scalars, ParseValue,
    ::testing::Values(
        ParseCase{2, q("12"), q("12")}, ParseCase{2, "  \"  padded \"  ", q("  padded ")},
        ParseCase{2, "\"\"\"a\"\"\"", q("a")}, ParseCase{2, "\"a\"b\"", "\"a\\\"b\""},
        ParseCase{2, "'a'", q("'a'")}, ParseCase{2, "", q("")}, ParseCase{2, "\"\"", q("")},
        ParseCase{2, " [1, 2] ", q("[1, 2]")}, ParseCase{3, "16777217", "16777216"},
        ParseCase{3, "1e39", "inf"}, ParseCase{3, "-1e39", "-inf"}, ParseCase{3, "-0", "-0"},
        ParseCase{3, " 2.5\t", "2.5"}, ParseCase{3, "abc", std::nullopt},
        ParseCase{3, "1 000", std::nullopt}, ParseCase{3, "", std::nullopt},
        ParseCase{4, "TrUe", "true"}, ParseCase{4, " false ", "false"},
        ParseCase{4, "1", std::nullopt}, ParseCase{4, "yes", std::nullopt},
        ParseCase{1, "xyz", std::nullopt},
        ParseCase{1, std::string(" ") + kUuid + "\n", std::string("id:") + kUuid},
        ParseCase{1, "550E8400E29B41D4A716446655440000", std::string("id:") + kUuid},
        ParseCase{0, "1", std::nullopt}, ParseCase{7, "1", std::nullopt},
        ParseCase{65535, "x", std::nullopt}, ParseCase{5, "1,2", std::nullopt},
        ParseCase{5, "[1,2", std::nullopt}, ParseCase{5, "{a:1}", std::nullopt},
        ParseCase{6, "[1]", std::nullopt}, ParseCase{6, "{a:1", std::nullopt},
        ParseCase{6, std::string("{") + kUuid + "}", "{}"}, ParseCase{5, " [1] ", "[1]"}));

INSTANTIATE_TEST_SUITE_P(
    Arrays, ParseValue,
    ::testing::Values(ParseCase{5, "[]", "[]"}, ParseCase{5, "[ ]", "[\"\"]"},
                    ParseCase{5, "[1, 2, 3]", "[1, 2, 3]"}, ParseCase{5, "[1,,2]", "[1, \"\", 2]"},
                    ParseCase{5, "[,1]", "[\"\", 1]"}, ParseCase{5, "[1,2,]", "[1, 2]"},
                    ParseCase{5, "[,]", "[\"\"]"}, ParseCase{5, "[,,]", "[\"\", \"\"]"},
                    ParseCase{5, "[[1, [2, 3]], 4]", "[[1, [2, 3]], 4]"},
                    ParseCase{5, "[[[1], 2], 3]", "[[[1], 2], 3]"},
                    ParseCase{5, "[{a: 1, b: 2}, 3]", "[{\"a\": 1, \"b\": 2}, 3]"},
                    ParseCase{5, "[\"a,b\", c]", "[\"a,b\", \"c\"]"},
                    ParseCase{5, "[\"a[\", \"b\"]", "[\"a[\\\", \\\"b\"]"},
                    ParseCase{5, "[[1,2]", "[\"[1,2\"]"}, ParseCase{5, "[1]]", "[\"1]\"]"},
                    ParseCase{5, "[[]]", "[[]]"}, ParseCase{5, "[ [1] , {} ]", "[[1], {}]"},
                    ParseCase{5, "[ \"x\" , 'y' ]", "[\"x\", \"'y'\"]"},
                    ParseCase{5,
                              "[1,\xC2\xA0"
                              "2\xE3\x80\x80]",
                              "[1, 2]"},
                    ParseCase{5, std::string("[true, ") + kUuid + ", {" + kUuid + "}, x]",
                              std::string("[true, id:") + kUuid + ", id:" + kUuid + ", \"x\"]"},
                    ParseCase{5, "[a:b, {x}, {y:}]", "[\"a:b\", {}, {}]"},
                    ParseCase{5, "[\"[\", 1]", "[\"[\\\", 1\"]"},
                    ParseCase{5, "[a]b, c]", "[\"a]b, c\"]"},
                    // Shapes that the one-pass reader leaves to the level-by-level one.
                    ParseCase{5, "[[1, 2] x, 3]", "[\"[1, 2] x\", 3]"},
                    ParseCase{5, "[[1, 2]3]", "[\"[1, 2]3\"]"},
                    ParseCase{5, "[a, \"b]", "[\"a\", \"b\"]"},
                    ParseCase{5, "[a}, b]", "[\"a}, b\"]"},
                    ParseCase{5, "[[a, \"b], c]", "[\"[a, \\\"b], c\"]"}));

INSTANTIATE_TEST_SUITE_P(
    Documents, ParseValue,
    ::testing::Values(
        ParseCase{6, "{}", "{}"}, ParseCase{6, "{ }", "{}"},
        ParseCase{6, "{a: 1, a: 2}", "{\"a\": 2}"}, ParseCase{6, "{a: x:y}", "{\"a\": \"x:y\"}"},
        ParseCase{6, "{a: 1, b}", "{\"a\": 1}"}, ParseCase{6, "{a:}", "{}"},
        ParseCase{6, "{a: }", "{\"a\": \"\"}"},
        ParseCase{6, "{a:, b: 1}", "{\"a\": \"\", \"b\": 1}"},
        ParseCase{6, "{a, b: 1}", "{\"a, b\": 1}"}, ParseCase{6, "{ : 1}", "{\"\": 1}"},
        ParseCase{6, "{:1}", "{}"}, ParseCase{6, "{:1,}", "{\"\": 1}"},
        ParseCase{6, "{a:1,}", "{\"a\": 1}"}, ParseCase{6, "{a:1,,}", "{\"a\": 1}"},
        ParseCase{6, "{a: [1, 2], b: {c: true}}", "{\"a\": [1, 2], \"b\": {\"c\": true}}"},
        ParseCase{6, "{b: \"x\"}", "{\"b\": \"x\"}"},
        ParseCase{6, "{\"a\": 1}", "{\"\\\"a\\\"\": 1}"}, ParseCase{6, "{a[: 1}", "{\"a[\": 1}"},
        ParseCase{6, "{a\": 1, b: 2}", "{\"a\\\"\": 1, \"b\": 2}"},
        ParseCase{6, "{a: \"x,y\", b: 2}", "{\"a\": \"x,y\", \"b\": 2}"},
        ParseCase{6, "{a:{b:{c:1}}}", "{\"a\": {\"b\": {\"c\": 1}}}"},
        ParseCase{6, "{ a b :  1 }", "{\"a b\": 1}"},
        ParseCase{6, "{a: [1, 2}", "{\"a\": \"[1, 2\"}"},
        ParseCase{6, "{a: \"[\", b: 1}", "{\"a\": \"[\\\", b: 1\"}"},
        // Shapes that the one-pass reader leaves to the level-by-level one.
        ParseCase{6, "{a: {b: 1}\"c\", d: 2}", "{\"a\": \"{b: 1}\\\"c\", \"d\": 2}"},
        ParseCase{6, "{a: [x, {y], z}", "{\"a\": \"[x, {y], z\"}"},
        ParseCase{6, "{a: 1], b: 2}", "{\"a\": \"1], b: 2\"}"},
        ParseCase{6, "{a}: 1}", "{\"a}\": 1}"},
        ParseCase{6, "{a: {b{: 1}}", "{\"a\": {\"b{\": 1}}"}));

TEST(ParseValue, ContainersInferTheirOwnCodes) {
  for (const char* text : {"[]", "[ ]", "[1,,2]", "[\"a[\", \"b\"]", "[[[1], 2], 3]"}) {
    EXPECT_EQ(infer_type(text), kArrayCode) << text;
  }
  for (const char* text : {"{}", "{a:}", "{a, b: 1}", "{\"a\": 1}"}) {
    EXPECT_EQ(infer_type(text), kDocumentCode) << text;
  }
}

TEST(ParseValue, QuotedKeysKeepTheirQuotes) {
  const std::optional<DataType> doc = parse_value(kDocumentCode, "{\"a\": 1}");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->get("a"), nullptr);
  ASSERT_NE(doc->get("\"a\""), nullptr);
  EXPECT_EQ(doc->get("\"a\"")->as_number(), 1.0f);
}

TEST(ParseValue, ReportsWhyThereIsNoValue) {
  EXPECT_EQ(parse_value_or_failure(0, "1").error(), ParseFailure::kNoVariant);
  EXPECT_EQ(parse_value_or_failure(7, "1").error(), ParseFailure::kNoVariant);
  EXPECT_EQ(parse_value_or_failure(kIdCode, "xyz").error(), ParseFailure::kSyntax);
  EXPECT_EQ(parse_value_or_failure(kNumberCode, "1e").error(), ParseFailure::kSyntax);
  EXPECT_EQ(parse_value_or_failure(kBooleanCode, "1").error(), ParseFailure::kSyntax);
  EXPECT_EQ(parse_value_or_failure(kArrayCode, "{}").error(), ParseFailure::kSyntax);
  EXPECT_EQ(parse_value_or_failure(kDocumentCode, "[]").error(), ParseFailure::kSyntax);
  EXPECT_TRUE(parse_value_or_failure(kTextCode, "anything"));
}

TEST(ParseBoolean, AcceptsOnlyTheTwoWordsInAnyCase) {
  EXPECT_EQ(parse_boolean("tRUE"), true);
  EXPECT_EQ(parse_boolean("FALSE"), false);
  for (const char* text : {"", "t", "1", "true ", " true", "truee", "fals", "yes", "ｔrue"}) {
    EXPECT_EQ(parse_boolean(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace quorvane
