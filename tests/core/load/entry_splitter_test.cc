#include "core/load/entry_splitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/test_support/reference_split.h"

namespace quorvane {
namespace {

using Fields = std::vector<std::string>;

using reference::split;

struct SplitCase {
  const char* name;
  std::string line;
  Fields fields;
};

// Shows the case by its name in test output.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitEntries : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitEntries, GivesTheFields) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(split_entries(c.line), c.fields);
  EXPECT_EQ(split(c.line), c.fields) << "the reference disagrees with the table";
}

const SplitCase kSplitCases[] = {
    {"Empty", "", {}},
    {"WhitespaceOnly", " \t\r\n\xE3\x80\x80 ", {}},
    {"Spaces", "3 age 31", {"3", "age", "31"}},
    {"Tabs", "3\tage\t31", {"3", "age", "31"}},
    {"SeveralSpacesAndEnds", "  3   age  31 ", {"3", "age", "31"}},
    {"UnicodeSeparators", "3\xC2\xA0" "age\xE2\x80\xA8" "31", {"3", "age", "31"}},
    {"QuotedText", "2 greeting \"hello world\"", {"2", "greeting", "\"hello world\""}},
    {"QuotedTextManySpaces", "2 greeting \"hello   world\"", {"2", "greeting", "\"hello world\""}},
    {"QuotedTextTab", "2 greeting \"hello\tworld\"", {"2", "greeting", "\"hello world\""}},
    {"QuotedTextUnicodeSpace", "2 g \"a\xE3\x80\x80\xC2\x85 b\"", {"2", "g", "\"a b\""}},
    {"BracketedList", "5 list [1, 2]", {"5", "list", "[1, 2]"}},
    {"BracketedListTabAfterComma", "5 list [1,\t2]", {"5", "list", "[1, 2]"}},
    {"BalancedQuoteOpensNothing", "2 \"key\" value", {"2", "\"key\"", "value"}},
    {"OpenedKeyTakesTheRest", "2 \"my key\" value", {"2", "\"my key\" value"}},
    {"ApostropheOpens", "2 don't stop now", {"2", "don't stop now"}},
    {"QuoteAndApostropheClose", "\"' x y", {"\"' x", "y"}},
    {"DocumentRunsToTheEnd", "6 address {city: London, zip: 1}",
     {"6", "address", "{city: London, zip: 1}"}},
    {"ClosingBracketBalancesOpening", "5 k ]x[ y", {"5", "k", "]x[", "y"}},
    {"ByteOrderMarkIsAWordCharacter", "\xEF\xBB\xBF" "1 a", {"\xEF\xBB\xBF" "1", "a"}},
    // Double quotes odd after the word and single quotes odd: closes; braces
    // are judged on the last word alone.
    {"BraceOfEarlierWordIgnoredWhenClosing", "{\"a' b c", {"{\"a' b", "c"}},
    {"UnbalancedBraceInLastWordKeepsOpen", "\"' {b c", {"\"' {b c"}},
    {"BracketsOfWholeFieldCount", "[\"' b] c d", {"[\"' b]", "c", "d"}},
};

INSTANTIATE_TEST_SUITE_P(Table, SplitEntries, ::testing::ValuesIn(kSplitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitEntriesReuse, FieldsFromEarlierLinesDoNotLeak) {
  EntryFields fields;
  split_entries("2 k \"a    b\"  x\ty", fields);
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[2], "\"a b\" x y");
  split_entries("1 \"p  q\" r", fields);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0], "1");
  EXPECT_EQ(fields[1], "\"p q\" r");
  split_entries("  ", fields);
  EXPECT_TRUE(fields.empty());
}

TEST(SplitEntriesLimit, KeepsTheFirstFieldsAndCountsAll) {
  EntryFields fields;
  split_entries("a b\"c'  d e f", fields);
  ASSERT_EQ(fields.kept(), 4u);
  split_entries("a b\"c'  d e f", fields, 2);
  EXPECT_EQ(fields.size(), 4u);
  ASSERT_EQ(fields.kept(), 2u);
  EXPECT_EQ(fields[0], "a");
  EXPECT_EQ(fields[1], "b\"c' d");
  split_entries("x", fields, 2);
  EXPECT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields.kept(), 1u);

  std::string many = "2 k";
  for (int i = 0; i < 100000; ++i) many += " \"w\"";
  split_entries(many, fields, 3);
  EXPECT_EQ(fields.size(), 100002u);
  EXPECT_EQ(fields.kept(), 3u);
  EXPECT_EQ(fields[2], "\"w\"");
}

// Random lines made of the characters the rule counts, letters, multi-byte
// characters and every kind of whitespace: the one-pass splitter must agree
// with the literal rule on each of them.
std::string random_line(std::mt19937& rng) {
  static const char* const kPieces[] = {
      "\"", "'", "[", "]", "{", "}", "a", "b", "7", "\xC3\xA9", "\xEF\xBB\xBF", "\xE2\x80\x8B",
      " ", " ", " ", "  ", "\t", "\n", "\r", "\v", "\f", "\xC2\x85", "\xC2\xA0", "\xE1\x9A\x80",
      "\xE2\x80\x80", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
      "\xE2\x81\x9F", "\xE3\x80\x80"};
  constexpr std::size_t kCount = std::size(kPieces);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  // Skewed towards the first pieces, so that the counted characters are common.
  std::geometric_distribution<std::size_t> pick(0.12);
  std::string line;
  for (std::size_t n = length(rng); n > 0; --n) line += kPieces[pick(rng) % kCount];
  return line;
}

TEST(SplitEntriesDifferential, AgreesWithTheLiteralRule) {
  std::mt19937 rng(20240611);
  std::size_t joined = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = random_line(rng);
    const Fields expected = split(line);
    ASSERT_EQ(split_entries(line), expected) << "line: " << ::testing::PrintToString(line);
    joined += std::ranges::count_if(expected, [](const std::string& f) {
      return f.find(' ') != std::string::npos;
    });
  }
  EXPECT_GT(joined, 10000u) << "the generator should make many joined fields";
}

// Lines close to the usual "code key value" shape, single-spaced for the
// most part, so that both the quick path for that shape and every way of
// leaving it are taken.
std::string random_entry_line(std::mt19937& rng) {
  static const char* const kWords[] = {
      "3",   "k",     "x1",  "\"a",  "b\"",     "[1,", "2]",  "{a:", "1}",  "'",       "don't",
      "[",   "]",     "{",   "}",    "\"",      "\"'", "a\"b", "\"\"", "1.5", "\xC3\xA9", "\xC2\xA0",
      "[\"", "\"]", "{\"", "x'y'", "\xE3\x80\x80"};
  static const char* const kGaps[] = {" ",  " ",  " ",  " ",  " ",  " ",
                                      "  ", "\t", "\n", "\v", "\f", "\r", "\xC2\x85"};
  std::uniform_int_distribution<std::size_t> word(0, std::size(kWords) - 1);
  std::uniform_int_distribution<std::size_t> gap(0, std::size(kGaps) - 1);
  // Long lines too, whose values span several 16-byte blocks.
  std::uniform_int_distribution<std::size_t> length(1, rng() % 4 ? 7 : 40);
  std::string line = rng() % 4 ? "3" : kWords[word(rng)];
  for (std::size_t n = length(rng); n > 0; --n) {
    line += rng() % 3 ? " " : kGaps[gap(rng)];
    line += kWords[word(rng)];
  }
  if (rng() % 16 == 0) line += " ";
  return line;
}

TEST(SplitEntriesDifferential, AgreesWithTheLiteralRuleOnEntryLines) {
  std::mt19937 rng(77);
  std::size_t three_fields = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = random_entry_line(rng);
    const Fields expected = split(line);
    ASSERT_EQ(split_entries(line), expected) << "line: " << ::testing::PrintToString(line);
    three_fields += expected.size() == 3;
  }
  EXPECT_GT(three_fields, 20000u) << "the generator should make many three-field lines";
}

TEST(SplitEntriesScaling, LongJoinedFieldIsLinear) {
  // One opened field of 200000 words: the literal rule would recount about
  // 10^11 characters here.
  std::string line = "2 k \"";
  for (int i = 0; i < 200000; ++i) line += "[w'  ";
  const Fields fields = split_entries(line);
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[2].size(), 1 + 200000 * 4 - 1);
}

}  // namespace
}  // namespace quorvane
