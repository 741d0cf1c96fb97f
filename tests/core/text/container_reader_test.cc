// Arrays and documents: the depth limit, inputs that could blow up in time or
// stack, and a differential test against a direct reading of the splitting
// rules (rescanning each level) over random texts.
#include "core/text/value_builder.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <optional>
#include <random>
#include <string>

#include "core/value/document.h"
#include "core/text/value_parser.h"
#include "tests/test_support/reference_parser.h"
#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

std::string describe(const DataType& value) {
  return testing::describe(value, testing::Quoting::kExact);
}

std::string repeat(std::string_view piece, std::size_t n) {
  std::string out;
  out.reserve(piece.size() * n);
  for (std::size_t i = 0; i < n; ++i) out += piece;
  return out;
}

std::string nested_arrays(std::size_t depth) {
  return repeat("[", depth) + "1" + repeat("]", depth);
}
std::string nested_documents(std::size_t depth) {
  return repeat("{a:", depth) + "1" + repeat("}", depth);
}
std::string nested_mixed(std::size_t depth) {
  std::string open, close;
  for (std::size_t i = 0; i < depth; ++i) {
    open += i % 2 ? "{k: " : "[0, ";
    close.insert(0, i % 2 ? "}" : "]");
  }
  return open + "x" + close;
}

// Containers from the top down to the innermost scalar.
std::size_t depth_of(const DataType& value) {
  std::size_t depth = 0;
  const DataType* at = &value;
  while (at->is(DataType::Kind::kArray) || at->is(DataType::Kind::kDocument)) {
    ++depth;
    if (at->is(DataType::Kind::kArray)) {
      at = &at->as_array().back();
    } else {
      const DataType* next = nullptr;
      at->as_document().for_each([&](std::string_view, const DataType& v) {
        if (v.is(DataType::Kind::kArray) || v.is(DataType::Kind::kDocument) || !next) next = &v;
      });
      at = next;
    }
  }
  return depth;
}

// Runs `work` on a thread with a stack of `bytes`, far below the usual 8 MiB.
void run_with_stack(std::size_t bytes, const std::function<void()>& work) {
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, bytes), 0);
  pthread_t thread;
  auto body = [](void* arg) -> void* {
    (*static_cast<const std::function<void()>*>(arg))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, body, const_cast<std::function<void()>*>(&work)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
}

struct DepthCase {
  const char* name;
  std::string (*make)(std::size_t);
  TypeCode code;
};

class DepthLimit : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthLimit, AcceptsTheLimitAndRejectsOneMore) {
  const DepthCase& c = GetParam();
  const auto at_limit = parse_value_or_failure(c.code, c.make(kMaxNestingDepth));
  ASSERT_TRUE(at_limit);
  EXPECT_EQ(depth_of(*at_limit), kMaxNestingDepth);
  const auto beyond = parse_value_or_failure(c.code, c.make(kMaxNestingDepth + 1));
  ASSERT_FALSE(beyond);
  EXPECT_EQ(beyond.error(), ParseFailure::kTooDeep);
  EXPECT_EQ(parse_value(c.code, c.make(kMaxNestingDepth + 1)), std::nullopt);
  // A too deep item anywhere fails the whole value.
  const std::string wrapped = "[1, " + c.make(kMaxNestingDepth) + ", 2]";
  EXPECT_EQ(parse_value_or_failure(kArrayCode, wrapped).error(), ParseFailure::kTooDeep);
}

TEST_P(DepthLimit, CopiesAndDestroysTheDeepestValueOnASmallStack) {
  const std::string text = GetParam().make(kMaxNestingDepth);
  const TypeCode code = GetParam().code;
  std::size_t copied_depth = 0;
  run_with_stack(1 << 20, [&] {
    std::optional<DataType> value = parse_value(code, text);
    if (!value) return;
    const DataType copy = *value;
    value.reset();
    copied_depth = depth_of(copy);
  });
  EXPECT_EQ(copied_depth, kMaxNestingDepth);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DepthLimit,
                         ::testing::Values(DepthCase{"arrays", nested_arrays, kArrayCode},
                                         DepthCase{"documents", nested_documents, kDocumentCode},
                                         DepthCase{"mixed", nested_mixed, kArrayCode}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DepthLimit, CountsOnlyRealContainers) {
  // Quoted, the deep brackets are one Text; unclosed, they are Text too.
  const std::string deep = nested_arrays(5000);
  const auto quoted = parse_value(kArrayCode, "[\"" + deep + "\"]");
  ASSERT_TRUE(quoted);
  ASSERT_EQ(quoted->as_array().size(), 1u);
  EXPECT_EQ(quoted->as_array()[0].as_text(), deep);
  const auto unclosed = parse_value(kArrayCode, "[" + repeat("[", 5000) + "]");
  ASSERT_TRUE(unclosed);
  ASSERT_EQ(unclosed->as_array().size(), 1u);
  EXPECT_EQ(unclosed->as_array()[0].as_text(), repeat("[", 5000));
}

constexpr std::size_t kMillion = 1000000;

TEST(HugeInputs, MillionOpenBracketsAreText) {
  const std::string text = repeat("[", kMillion);
  EXPECT_EQ(infer_type(text), kTextCode);
  EXPECT_EQ(parse_value_or_failure(kArrayCode, text).error(), ParseFailure::kSyntax);
  EXPECT_EQ(parse_value(kTextCode, text)->as_text(), text);
}

TEST(HugeInputs, MillionNestedLevelsAreTooDeep) {
  for (const auto& [open, close] :
       {std::pair{"[", "]"}, std::pair{"{a:", "}"}, std::pair{"[{k:", "}]"}}) {
    const std::string text = repeat(open, kMillion) + repeat(close, kMillion);
    const auto value = parse_value_or_failure(infer_type(text), text);
    ASSERT_FALSE(value) << open;
    EXPECT_EQ(value.error(), ParseFailure::kTooDeep) << open;
  }
  // Without a colon the braces are all key text: one dropped pair.
  const std::string braces = repeat("{", kMillion) + repeat("}", kMillion);
  EXPECT_EQ(describe(*parse_value(kDocumentCode, braces)), "{}");
}

TEST(HugeInputs, LongFlatContainers) {
  const auto numbers = parse_value(kArrayCode, "[" + repeat("1.5,", kMillion) + "]");
  ASSERT_TRUE(numbers);
  ASSERT_EQ(numbers->as_array().size(), kMillion);
  EXPECT_EQ(numbers->as_array().back().as_number(), 1.5f);
  const auto empties = parse_value(kArrayCode, "[" + repeat("[],", kMillion) + "{}]");
  ASSERT_TRUE(empties);
  EXPECT_EQ(empties->as_array().size(), kMillion + 1);
  // Every comma at a depth of its own: one Text item.
  const auto staircase = parse_value(kArrayCode, "[" + repeat("[,", kMillion) + "]");
  ASSERT_TRUE(staircase);
  EXPECT_EQ(staircase->as_array().size(), 1u);
  std::string pairs = "{";
  for (std::size_t i = 0; i < 100000; ++i)
    pairs += "k" + std::to_string(i) + ": [" + std::to_string(i) + "],";
  const auto document = parse_value(kDocumentCode, pairs + "}");
  ASSERT_TRUE(document);
  EXPECT_EQ(document->as_document().size(), 100000u);
  EXPECT_EQ(describe(*document->get("k99999")), "[99999]");
}

// The reference reading of a container text, which starts with [ or {.
std::string reference_description(std::string_view text) {
  const TypeCode code = text.front() == '[' ? kArrayCode : kDocumentCode;
  const auto value = reference::reference_parse_value(code, text);
  return value ? describe(*value) : "no value";
}

// Items whose first character decides how they may be read, each read as
// inference reads them.
TEST(ContainerItems, ReadAsInferred) {
  const char* const kItems[] = {
      "nan", "NaN", "-nan", "inf", "Infinity", "+INF", "true", "TRUE", "tRUE", "false", "False",
      "urn:uuid:550e8400-e29b-41d4-a716-446655440000", "yes", "zebra", "Gift", "\xC3\x9C" "ber",
      "URN:uuid:550e8400-e29b-41d4-a716-446655440000", "550e8400-e29b-41d4-a716-446655440000",
      "F50E8400E29B41D4A716446655440000", "{550e8400-e29b-41d4-a716-446655440000}", "\"quoted\"",
      "\"", "e5", "E5", ".5", "5.", "-", "+", "ab", "d", "x1", "'s'", "nul", "in", "tr"};
  for (const char* item : kItems) {
    const std::string text = std::string("[") + item + ", " + item + "]";
    const auto got = read_container(text);
    ASSERT_TRUE(got) << text;
    EXPECT_EQ(describe(*got), reference_description(text)) << "text: " << text;
  }
}

std::string random_text(std::mt19937_64& rng) {
  static const char* const kTokens[] = {"[", "]", "{",        "}",    "\"",     ",", ",", ":", " ",
                                        "a", "1", "\xC2\xA0", "true", "-2.5e1", "[", "{", "]", "}"};
  std::uniform_int_distribution<std::size_t> token(0, std::size(kTokens) - 1);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  std::string out = rng() % 2 ? "[" : "{";
  for (std::size_t n = length(rng); n > 0; --n) out += kTokens[token(rng)];
  return out + (out[0] == '[' ? "]" : "}");
}

std::expected<DataType, ParseFailure> read(std::string_view text) {
  return read_container(text);
}

TEST(ContainerDifferential, MatchesTheRulesReadLiterally) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 100000; ++i) {
    const std::string text = random_text(rng);
    const auto got = read(text);
    ASSERT_TRUE(got) << text;
    ASSERT_EQ(describe(*got), reference_description(text)) << "text: " << text;
  }
}

// Values nested a few levels deep.
std::string random_nested(std::mt19937_64& rng, int depth) {
  static const char* const kScalars[] = {"a", "1", "\"x, y\"", " true ", "", "\"[\"", "{"};
  const bool document = rng() % 2;
  std::string out = document ? "{" : "[";
  for (std::size_t n = rng() % 5; n > 0; --n) {
    if (document) out += (rng() % 8 ? "k" : "\"k:") + std::to_string(rng() % 4) + ": ";
    out += depth > 0 && rng() % 2 ? random_nested(rng, depth - 1)
                                  : kScalars[rng() % std::size(kScalars)];
    if (n > 1 || rng() % 4 == 0) out += ", ";
  }
  return out + (document ? "}" : "]");
}

TEST(ContainerDifferential, MatchesTheRulesOnNestedValues) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 20000; ++i) {
    const std::string text = random_nested(rng, 6);
    const auto got = read(text);
    ASSERT_TRUE(got) << text;
    ASSERT_EQ(describe(*got), reference_description(text)) << "text: " << text;
  }
}

// Deep items beside shallow ones.
TEST(ContainerDifferential, MatchesTheRulesOnDeepValues) {
  std::mt19937_64 rng(13);
  for (const std::size_t depth : {30, 63, 64, 65, 66, 67, 90, 140}) {
    for (const auto make : {nested_arrays, nested_documents, nested_mixed}) {
      const std::string text = "[" + random_nested(rng, 3) + ", " + make(depth) + ", {k: " +
                               make(depth / 2) + ", j: " + random_nested(rng, 2) + "}, x]";
      const auto got = read(text);
      ASSERT_TRUE(got) << text;
      ASSERT_EQ(describe(*got), reference_description(text)) << "text: " << text;
    }
  }
}

// Values shaped like those of real files, a container at the top.
std::string realistic_value(std::mt19937_64& rng, int depth, bool container = false) {
  static const char* const kScalars[] = {
      "eco", "gift", "22676", "-147.82", "458.80", "3.812042e+05", "true", "False", "-0",
      "\"gamma sale\"", "\"297 Allen Street\"", "Oslo", "NaN", "\"a, b\"", "x:y", "\"\"",
      "{550e8400-e29b-41d4-a716-446655440000}", "550e8400-e29b-41d4-a716-446655440000"};
  static const char* const kKeys[] = {"tags", "city", "street", "zip", "verified", "geo"};
  if (!container && (depth == 0 || rng() % 2)) return kScalars[rng() % std::size(kScalars)];
  const bool document = rng() % 2;
  std::string out = document ? "{" : "[";
  for (std::size_t n = rng() % 6; n > 0; --n) {
    if (document) out += std::string(kKeys[rng() % std::size(kKeys)]) + ": ";
    out += realistic_value(rng, depth - 1);
    if (n > 1) out += ", ";
  }
  return out + (document ? "}" : "]");
}

std::string realistic_text(std::mt19937_64& rng) {
  return realistic_value(rng, 4, true);
}

// One or two edits inside the outer brackets: stray quotes, brackets,
// braces, colons and commas, empty items, text after a close, other
// whitespace, or a byte less.
std::string mutated(std::string text, std::mt19937_64& rng) {
  static const char* const kInserts[] = {"\"", "[", "]", "{", "}", ":", ",", ", ", " ",
                                         "\t", "\n", "\xC2\xA0", "x", "[]", "{}", ",,"};
  for (std::size_t n = 1 + rng() % 2; n > 0; --n) {
    const std::size_t at = 1 + rng() % (text.size() - 1);
    if (rng() % 4 == 0 && at + 1 < text.size()) {
      text.erase(at, 1);
    } else {
      text.insert(at, kInserts[rng() % std::size(kInserts)]);
    }
  }
  return text;
}

TEST(ContainerDifferential, MatchesTheRulesOnRealisticValuesAndMutants) {
  std::mt19937_64 rng(17);
  for (int i = 0; i < 20000; ++i) {
    const std::string text = i % 2 ? realistic_text(rng) : mutated(realistic_text(rng), rng);
    const auto got = read(text);
    ASSERT_TRUE(got) << text;
    ASSERT_EQ(describe(*got), reference_description(text)) << "text: " << text;
  }
}

// Texts of a common look with one quirk: read as the rules read them.
class ContainerQuirks : public ::testing::TestWithParam<std::string> {};

TEST_P(ContainerQuirks, ReadAsTheRulesSay) {
  const std::string& text = GetParam();
  const auto value = read_container(text);
  ASSERT_TRUE(value) << text;
  EXPECT_EQ(describe(*value), reference_description(text)) << "text: " << text;
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, ContainerQuirks,
    ::testing::Values(
        // Text between a nested close and the next comma or close.
        "[[1, 2] x, 3]", "[[1, 2]3]", "{a: {b: 1}\"c\", d: 2}", "[[1]\xC2\xA0, 2]",
        "[{550e8400-e29b-41d4-a716-446655440000}x, 1]",
        // A quote, bracket or brace in a key.
        "{\"a\": 1, b: 2}", "{a: 1, \"b\": 2}", "{a[0]: 1}", "{a: {b{: 1}}", "{a}: 1}",
        // A close reached while quoted, or with the other depth open.
        "[a, \"b]", "[[a, \"b], c]", "{a: [x, {y], z}", "{a: {b: [1}, c: 2}",
        // A depth below zero before the level's close.
        "[a], b]", "[a}, b]", "{a: 1], b: 2}", "{a: [1]], b: 2}",
        // A nested level never closed.
        "[[1, 2]", "{a: [1, 2}",
        // A level opened in a key, in a dropped pair, or in a quoted text.
        "{a: 1, k[: 2}", "{a: 1,: [2]}", "{a: 1,:" + nested_arrays(600) + "}", "[\"[1, 2\", 3]", "{[a: [1], b: 2}",
        // A close that would split an outer level.
        "[{a: }, x], 1]", "[{a: ]}, 1]",
        // Deep nesting.
        nested_arrays(65), nested_documents(70), nested_mixed(100),
        "[" + nested_arrays(kMaxNestingDepth - 1) + "]"));

}  // namespace
}  // namespace quorvane
