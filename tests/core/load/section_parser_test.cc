#include "core/load/section_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

using testing::describe;
using testing::StdoutCapture;

constexpr const char* kInvalidDigit = "Error parsing: Some(ParseIntError { kind: InvalidDigit })\n";
constexpr const char* kPosOverflow = "Error parsing: Some(ParseIntError { kind: PosOverflow })\n";
constexpr const char* kUnresolved = "Error parsing: unresolved value\n";

struct TypeCodeCase {
  const char* field;
  std::expected<TypeCode, TypeCodeError> result;
};

void PrintTo(const TypeCodeCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.field));
}

class ReadTypeCode : public ::testing::TestWithParam<TypeCodeCase> {};

TEST_P(ReadTypeCode, ReadsOrNamesTheFirstProblem) {
  EXPECT_EQ(read_type_code(GetParam().field), GetParam().result) << GetParam().field;
}

const auto kInvalid = std::unexpected(TypeCodeError::kInvalidDigit);
const auto kOverflow = std::unexpected(TypeCodeError::kPosOverflow);

INSTANTIATE_TEST_SUITE_P(
    Table, ReadTypeCode,
    ::testing::Values(TypeCodeCase{"1", 1}, TypeCodeCase{"6", 6}, TypeCodeCase{"+2", 2},
                      TypeCodeCase{"002", 2}, TypeCodeCase{"0", 0}, TypeCodeCase{"65535", 65535},
                      TypeCodeCase{"+0065535", 65535},
                      TypeCodeCase{"000000000000000000000000003", 3},
                      TypeCodeCase{"x", kInvalid}, TypeCodeCase{"-2", kInvalid},
                      TypeCodeCase{"+", kInvalid}, TypeCodeCase{"-", kInvalid},
                      TypeCodeCase{"++1", kInvalid}, TypeCodeCase{"+-1", kInvalid},
                      TypeCodeCase{"1x", kInvalid}, TypeCodeCase{"1e3", kInvalid},
                      TypeCodeCase{"6553x", kInvalid}, TypeCodeCase{"3\xD9\xA3", kInvalid},
                      TypeCodeCase{"", kInvalid}, TypeCodeCase{"65536", kOverflow},
                      TypeCodeCase{"655350", kOverflow}, TypeCodeCase{"99999x", kOverflow},
                      TypeCodeCase{"4294967297", kOverflow},
                      TypeCodeCase{"+18446744073709551617", kOverflow}));

TEST(HeaderName, TakesTheTextBetweenTheOuterBrackets) {
  EXPECT_EQ(header_name("[users]"), "users");
  EXPECT_EQ(header_name("[]"), "");
  EXPECT_EQ(header_name("[ a b ]"), " a b ");
  EXPECT_EQ(header_name("[[x]]"), "[x]");
  EXPECT_EQ(header_name("[a]b]"), "a]b");
  EXPECT_EQ(header_name("["), std::nullopt);
  EXPECT_EQ(header_name("]"), std::nullopt);
  EXPECT_EQ(header_name("[a] # note"), std::nullopt);
  EXPECT_EQ(header_name("a]"), std::nullopt);
  EXPECT_EQ(header_name(""), std::nullopt);
}

// A section's stored entries and what it printed, line for line.
struct SectionCase {
  const char* name;
  std::string text;
  std::string entries;  // describe() of the collection's data
  std::string printed;
};

// Shows the case by its name in test output.
void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.name; }

class ParseSection : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ParseSection, StoresAndPrints) {
  const SectionCase& c = GetParam();
  StdoutCapture capture;
  const std::optional<Collection> collection = parse_section(c.text);
  const std::string printed = capture.finish();
  ASSERT_TRUE(collection);
  EXPECT_EQ(describe(collection->data), c.entries);
  EXPECT_EQ(printed, c.printed);
}

const SectionCase kSectionCases[] = {
    {"HeaderAlone", "[s]\n", "{}", ""},
    {"HeaderWithoutLineFeed", "[s]", "{}", ""},
    {"BadTypeCodeLetter", "[s]\nx a b\n", "{}", kInvalidDigit},
    {"NegativeTypeCode", "[s]\n-2 a b\n", "{}", kInvalidDigit},
    {"LonePlusTypeCode", "[s]\n+ a b\n", "{}", kInvalidDigit},
    {"TypeCodeOverflow", "[s]\n65536 a b\n", "{}", kPosOverflow},
    {"LargestCodeNamesNothing", "[s]\n65535 a b\n", "{}", kUnresolved},
    {"CodeZero", "[s]\n0 a b\n", "{}", kUnresolved},
    {"CodeSeven", "[s]\n7 a b\n", "{}", kUnresolved},
    {"TwoFieldsSilent", "[s]\n3 age\n", "{}", ""},
    {"FourFieldsSilent", "[s]\n3 age 36 37\n", "{}", ""},
    {"OneFieldSilent", "[s]\nx\n", "{}", ""},
    {"BracketLineSilent", "[s]\n[x\n[5 a b\n", "{}", ""},
    {"HeaderInsideIsSkipped", "[s]\n[t]\n", "{}", ""},
    {"WorkedSection",
     "[users]\n"
     "3 age 36\n"
     "4 active TRUE\n"
     "5 tags [a, b]\n"
     "6 address {city: London, zip: 1}\n"
     "1 id 550e8400-e29b-41d4-a716-446655440000\n"
     "2 name \"Ziz Raruzaru\"\n"
     "3 height tall\n"
     "age 36\n",
     "{active: true, address: {city: \"London\", zip: 1}, age: 36, "
     "id: id:550e8400-e29b-41d4-a716-446655440000, name: \"Ziz Raruzaru\", "
     "tags: [\"a\", \"b\"]}",
     kUnresolved},
    {"PlusAndLeadingZerosSelectText", "[s]\n+2 a x\n002 b y\n", "{a: \"x\", b: \"y\"}", ""},
    {"LaterLineReplacesEarlier", "[s]\n3 k 1\n2 k two\n", "{k: \"two\"}", ""},
    {"QuotedTextSpacesBecomeOne", "[s]\n2 k \"a  \tb\"\n", "{k: \"a b\"}", ""},
    {"QuotesBelongToTheKey", "[s]\n2 \"k\" v\n", "{\"k\": \"v\"}", ""},
    {"OpenedKeyTakesTheLine", "[s]\n2 \"my key\" v\n", "{}", ""},
    {"ApostropheInText", "[s]\n2 k don't\n2 j \"it's here\"\n",
     "{j: \"it's here\", k: \"don't\"}", ""},
    {"BadValuesOfEachCheckedKind", "[s]\n1 a xyz\n3 b abc\n4 c yes\n5 d x\n6 e x\n", "{}",
     std::string(kUnresolved) + kUnresolved + kUnresolved + kUnresolved + kUnresolved},
    {"SkippedLinesKeepTheRest", "[s]\nx a b\n3 a 1\n3 b\n[c\n3 c 2\n", "{a: 1, c: 2}",
     kInvalidDigit},
    {"MessagesInLineOrder", "[s]\nx a b\n9 a b\n70000 a b\nq r\n+x a b\n",
     "{}", std::string(kInvalidDigit) + kUnresolved + kPosOverflow + kInvalidDigit},
};

INSTANTIATE_TEST_SUITE_P(Table, ParseSection, ::testing::ValuesIn(kSectionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseSectionName, ComesFromTheHeader) {
  EXPECT_EQ(parse_section("[users]\n")->name, "users");
  EXPECT_EQ(parse_section("[]\n")->name, "");
  EXPECT_EQ(parse_section("[ my users ]\r\n")->name, " my users ");
}

TEST(ParseSectionName, RejectsTextWithoutAHeaderFirst) {
  StdoutCapture capture;
  EXPECT_FALSE(parse_section(""));
  EXPECT_FALSE(parse_section("\n[s]\n"));
  EXPECT_FALSE(parse_section("x a b\n[s]\n"));
  EXPECT_FALSE(parse_section("[s\n"));
  EXPECT_FALSE(parse_section("s]\n"));
  EXPECT_EQ(capture.finish(), "");
}

// Records every hook call, to show what a diagnosing sink gets.
struct RecordingSink {
  std::vector<std::string> events;
  void add(std::size_t line, std::string what) {
    events.push_back(std::to_string(line) + " " + std::move(what));
  }
  void invalid_utf8(std::size_t offset) { add(0, "utf8@" + std::to_string(offset)); }
  void entry_before_header(std::size_t n, std::string_view l) { add(n, "early " + std::string(l)); }
  void section_started(std::size_t n, std::string_view name) { add(n, "[" + std::string(name)); }
  void bracket_line_skipped(std::size_t n, std::string_view) { add(n, "bracket"); }
  void wrong_field_count(std::size_t n, std::string_view, std::size_t count) {
    add(n, "fields " + std::to_string(count));
  }
  void bad_type_code(std::size_t n, std::string_view, TypeCodeError e) {
    add(n, e == TypeCodeError::kInvalidDigit ? "digit" : "overflow");
  }
  void unresolved_value(std::size_t n, std::string_view, TypeCode code, ParseFailure why) {
    const char* reason = why == ParseFailure::kNoVariant ? "" : " value";
    add(n, "unresolved " + std::to_string(code) + reason);
  }
  void entry_storing(std::size_t n, const Collection& c, std::string_view key, const DataType&) {
    add(n, "store " + std::string(key) + (c.get(key) ? " again" : ""));
  }
};

TEST(ParseSectionSink, HearsOfEveryLineWithItsNumber) {
  RecordingSink sink;
  StdoutCapture capture;
  parse_section("[s]\n1\n[x\n1 2 3 4\nz k v\n99999 k v\n8 k v\n3 k v\n", sink);
  EXPECT_EQ(capture.finish(), "") << "a sink of its own prints nothing";
  EXPECT_EQ(sink.events, (std::vector<std::string>{"1 [s", "2 fields 1", "3 bracket",
                                                   "4 fields 4", "5 digit", "6 overflow",
                                                   "7 unresolved 8", "8 unresolved 3 value"}));
}

TEST(ParseSectionSink, SeesEachStoreBeforeItHappens) {
  RecordingSink sink;
  const std::optional<Collection> c = parse_section("[s]\n3 k 1\n3 j 1\n3 k 2\n", sink);
  ASSERT_TRUE(c);
  EXPECT_EQ(describe(c->data), "{j: 1, k: 2}");
  EXPECT_EQ(sink.events,
            (std::vector<std::string>{"1 [s", "2 store k", "3 store j", "4 store k again"}));
}

}  // namespace
}  // namespace quorvane
