// The diagnostics sink of quorvane-check: what it records for each kind of
// dropped line, and that its errors match, one for one, the messages the
// module's own sink prints for the same text.
#include "checker/diagnostics_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/file_check.h"
#include "core/load/loader.h"
#include "tests/test_support/test_support.h"

namespace quorvane::check {
namespace {

struct Expected {
  std::size_t line;
  Severity severity;
  const char* words;  // a piece of the explanation
  std::size_t column = 0;
};

struct DiagnosticsCase {
  const char* name;
  std::string text;
  bool loads;
  std::vector<Expected> expected;
};

void PrintTo(const DiagnosticsCase& c, std::ostream* os) { *os << c.name; }

constexpr Severity kError = Severity::kError;
constexpr Severity kSkipped = Severity::kSkipped;
constexpr Severity kWarning = Severity::kWarning;

class Diagnostics : public ::testing::TestWithParam<DiagnosticsCase> {};

TEST_P(Diagnostics, RecordsEachDroppedLine) {
  const DiagnosticsCase& c = GetParam();
  const FileCheck check = check_text("t.mdb", c.text);
  EXPECT_EQ(check.database.has_value(), c.loads);
  ASSERT_EQ(check.diagnostics.size(), c.expected.size());
  for (std::size_t i = 0; i < c.expected.size(); ++i) {
    const Diagnostic& found = check.diagnostics[i];
    EXPECT_EQ(found.line, c.expected[i].line) << i;
    EXPECT_EQ(found.severity, c.expected[i].severity) << i;
    EXPECT_EQ(found.column, c.expected[i].column) << i;
    EXPECT_NE(found.explanation.find(c.expected[i].words), std::string::npos)
        << found.explanation;
  }
}

TEST_P(Diagnostics, CountsAloneAgreeWithTheDetails) {
  const FileCheck detailed = check_text("t.mdb", GetParam().text);
  const FileCheck counted = check_text("t.mdb", GetParam().text, {});
  EXPECT_TRUE(counted.diagnostics.empty());
  EXPECT_EQ(counted.errors, detailed.errors);
  EXPECT_EQ(counted.skipped, detailed.skipped);
  EXPECT_EQ(counted.warnings, detailed.warnings);
  EXPECT_EQ(counted.status(), detailed.status());
  EXPECT_EQ(format_summary(counted), format_summary(detailed));
}

TEST_P(Diagnostics, ErrorsMatchTheModuleMessages) {
  const DiagnosticsCase& c = GetParam();
  const FileCheck check = check_text("t.mdb", c.text);
  testing::StdoutCapture capture;
  StdoutSink sink;
  const bool loaded = load_database("t.mdb", c.text, sink).has_value();
  const std::string printed = capture.finish();
  ASSERT_EQ(loaded, check.database.has_value());
  if (!loaded) {
    EXPECT_EQ(printed, "");
    return;
  }
  std::string quoted;  // the messages the errors quote, one per line
  for (const Diagnostic& d : check.diagnostics) {
    if (d.severity != kError) continue;
    const std::size_t at = d.explanation.rfind("the module prints \"");
    ASSERT_NE(at, std::string::npos) << d.explanation;
    std::string message = d.explanation.substr(at + 19);
    message.pop_back();  // the closing quote
    quoted += message + "\n";
  }
  EXPECT_EQ(quoted, printed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Diagnostics,
    ::testing::Values(
        DiagnosticsCase{"clean", "# c\n[a]\n3 n 1\n\n2 t \"x y\"\n", true, {}},
        DiagnosticsCase{"empty", "", true, {}},
        DiagnosticsCase{"field_counts",
                        "[a]\n2 \"my key\" v\n3 n\n2 t a b\nlonely\n",
                        true,
                        {{2, kSkipped, "field 2 took in the rest"},
                         {3, kSkipped, "the value is missing"},
                         {4, kSkipped, "4 fields"},
                         {5, kSkipped, "1 field where"}}},
        DiagnosticsCase{"two_fields_with_a_number_out_of_range",
                        "[a]\n99999999999 name\n65536 \"q\"\n-1 name\n65535 b\n",
                        true,
                        {{2, kSkipped, "value is missing (and ‹99999999999› names no type"},
                         {3, kSkipped, "value is missing (and ‹65536› names no type"},
                         {4, kSkipped, "value is missing (and ‹-1› names no type"},
                         {5, kSkipped, "value is missing (and ‹65535› names no type"}}},
        DiagnosticsCase{"bracket_between_quotes", "[a]\n5 i [\"]\", 1]\n", true,
                        {{2, kSkipped, "the ‹]› between quotes in ‹[\"]\",› is counted"}}},
        DiagnosticsCase{"invisible_around_headers",
                        "[a]\n\xE2\x80\x8B[b]\n3 k 1\n[c]\xE2\x80\x8B\n[d]\xE3\x85\xA4\n",
                        true,
                        {{2, kSkipped, "invisible ‹\\u200B› before the \"[\" makes this line no "
                                       "header: no section ‹b› is made, and the lines below stay "
                                       "in section ‹a›"},
                         {4, kSkipped, "invisible ‹\\u200B› after the \"]\""},
                         {5, kSkipped, "invisible ‹\\u3164› after the \"]\""}}},
        DiagnosticsCase{"type_codes",
                        "[a]\nx k 1\n65536 k 1\n-2 k 1\n+ k 1\nk 3 1\n",
                        true,
                        {{2, kError, "InvalidDigit"},
                         {3, kError, "larger than 65535"},
                         {4, kError, "‹-2›"},
                         {5, kError, "‹+›"},
                         {6, kError, "swapped"}}},
        DiagnosticsCase{"values",
                        "[a]\n0 k 1\n65535 k 1\n1 k x\n3 k x\n4 k x\n5 k x\n6 k x\n",
                        true,
                        {{2, kError, "type code 0 names no type"},
                         {3, kError, "type code 65535 names no type"},
                         {4, kError, "1 (Id)"},
                         {5, kError, "3 (Number)"},
                         {6, kError, "4 (Boolean)"},
                         {7, kError, "5 (Array)"},
                         {8, kError, "6 (Document)"}}},
        DiagnosticsCase{"too_deep",
                        "[a]\n5 ok " + std::string(kMaxNestingDepth, '[') +
                            std::string(kMaxNestingDepth, ']') + "\n5 deep " +
                            std::string(kMaxNestingDepth + 1, '[') +
                            std::string(kMaxNestingDepth + 1, ']') + "\n",
                        true,
                        {{3, kError, "deeper than the limit of 512"}}},
        DiagnosticsCase{"duplicates",
                        "[a]\n3 k 1\n[b]\n3 k 1\n[a]\n3 k 1\n3 j 1\n3 k 2\n3 k 3\n",
                        true,
                        {{5, kWarning, "section ‹a› was opened before, on line 1"},
                         {8, kWarning, "key ‹k› of section ‹a› was set before, on line 6"},
                         {9, kWarning, "on line 8"}}},
        DiagnosticsCase{
            "values_stored_other_than_written",
            "[a]\n6 d {a: 1, b}\n6 e {a: 1, a: 2}\n5 f [1, 2]]\n5 g [[1, 2]\n2 k \"a b\" c\n"
            "5 u [{550e8400e29b41d4a716446655440000}]\n6 c {b, a: 1}\n6 v {a: 1, b:}\n"
            "5 n [x, {a: [\"b\" c]}]\n2 q \"a b\"\n6 ok {a: [1, {b: \"c, d\"}], e: f}\n"
            "5 quoted [1, \"a]\", \"b\"]\n2 inner \"a \"b\" c\"\n",
            true,
            {{2, kWarning, "‹b› has no colon, so it is dropped; the value stored is ‹{a: 1.0}›"},
             {3, kWarning, "key ‹a› is given twice in one document, so the later value replaces "
                           "the earlier one; the value stored is ‹{a: 2.0}›"},
             {4, kWarning, "of ‹2]› do not balance, so it is no array or document but the text "
                           "‹2]›; the value stored is ‹[1.0, \"2]\"]›"},
             {5, kWarning, "of ‹[1, 2› do not balance"},
             {6, kWarning, "quotes of ‹\"a b\" c› do not close where the text seems to end"},
             {7, kWarning, "is no UUID (a UUID in braces needs its hyphens), so it is read as a "
                           "document without pairs, an empty document; the value stored is ‹[{}]›"},
             {8, kWarning, "the item ‹b› has no colon, so it becomes part of the key ‹b, a›"},
             {9, kWarning, "the item ‹b› lacks a key or a value, so it is dropped; the value "
                           "stored is ‹{a: 1.0}›"},
             {10, kWarning, "the quotes of ‹\"b\" c› do not close"},
             {13, kWarning, "between quotes in ‹\"a]\", \"b\"› is counted, so the comma after it "
                            "splits nothing: it is the one text ‹a]\", \"b›; the value stored is "
                            "‹[1.0, \"a]\", \"b\"]›"}}},
        DiagnosticsCase{"rejected_line_hides_nothing",
                        "[a]\n3 k x\n3 k 1\n",
                        true,
                        {{2, kError, "3 (Number)"}}},
        DiagnosticsCase{"bracket_lines",
                        "[a]\n[b] # note\n[c\n3 k 1\n",
                        true,
                        {{2, kSkipped, "line of its own"},
                         {3, kSkipped, "stay in section ‹a›"}}},
        DiagnosticsCase{"before_header", "\n# c\n3 k 1\n[a]\n", false,
                        {{3, kError, "ahead of the first header"}}},
        DiagnosticsCase{"byte_order_mark", "\xEF\xBB\xBF# c\n[a]\n", false,
                        {{1, kError, "byte order mark (U+FEFF), which is no whitespace, so "
                                     "this comment"}}},
        DiagnosticsCase{"byte_order_mark_on_an_entry", "\xEF\xBB\xBF" "3 k 1\n", false,
                        {{1, kError, "ahead of the first header"}}},
        DiagnosticsCase{"invalid_utf8", "[a]\n3 k 1\n2 t ab\xC3\x28\n", false,
                        {{3, kError, "invalid UTF-8: \\xC3;", 7}}},
        DiagnosticsCase{"invalid_utf8_first_byte", "\xFF", false,
                        {{1, kError, "invalid UTF-8: \\xFF;", 1}}},
        DiagnosticsCase{"utf16_with_mark", "\xFF\xFE[\0a\0]\0", false,
                        {{1, kError, "\\xFF (the file is UTF-16LE text", 1}}},
        DiagnosticsCase{"utf16_without_mark", std::string("\0[\0a\0]\0\n", 8), false,
                        {{1, kError, "the file is UTF-16BE text"}}},
        DiagnosticsCase{"utf32_with_mark", std::string("\xFF\xFE\0\0[\0\0\0", 8), false,
                        {{1, kError, "\\xFF (the file is UTF-32LE text", 1}}},
        DiagnosticsCase{"utf32_without_mark", std::string("\0\0\0[\0\0\0]\0\0\0\n", 12), false,
                        {{1, kError, "the file is UTF-32BE text"}}},
        DiagnosticsCase{"carriage_returns_alone", "[a]\r3 k 1\r3 j 2\n", false,
                        {{1, kWarning, "carriage return (\\r) that no line feed follows", 4},
                         {1, kError, "ahead of the first header"}}},
        DiagnosticsCase{"carriage_return_alone_later", "[a]\n3 k x\n3 k 1\r3 j 2\n", true,
                        {{2, kError, "value ‹x›"},
                         {3, kWarning, "carriage return", 6},
                         {3, kSkipped, "6 fields"}}},
        DiagnosticsCase{"crlf_and_cr_crlf", "[a]\r\r\n3 k x\r \n2 a b c\r\n3 j 1\r\r", true,
                        {{2, kError, "value ‹x›"}, {3, kSkipped, "4 fields"}}}));

TEST(DiagnosticsExcerpt, IsTheTrimmedLine) {
  const FileCheck check = check_text("t.mdb", "[a]\n  3 k 1\n\t3   k  2 \r\n");
  ASSERT_EQ(check.diagnostics.size(), 1u);
  EXPECT_EQ(check.diagnostics[0].excerpt, "3   k  2");
}

TEST(Summary, CountsCollectionsEntriesAndReports) {
  const FileCheck check = check_text("t.mdb", "[a]\n3 k 1\n3 k 2\n3 x y\n[b]\n2 t a b\n");
  EXPECT_EQ(check.status(), Status::kReported);
  EXPECT_EQ(format_summary(check), "t.mdb: 2 collections, 1 entry; 1 error, 1 skipped, 1 warning");
  EXPECT_EQ(format_summary(check_text("t.mdb", "x")),
            "t.mdb: not loaded (an entry line ahead of the first header, on line 1); 1 error, "
            "0 skipped, 0 warnings");
  EXPECT_EQ(check_text("t.mdb", "x").status(), Status::kNotLoaded);
  EXPECT_EQ(check_text("t.mdb", "[a]\n").status(), Status::kClean);
}

TEST(Report, PutsTheLineBelowItsExplanationUnlessQuiet) {
  const FileCheck check = check_text("t.mdb", "[a]\n3 k x\n");
  const std::string report = format_report(check, false);
  EXPECT_EQ(report.substr(0, 19), "t.mdb:2: error: val");
  EXPECT_NE(report.find("\n    3 k x\nt.mdb: 1 collection"), std::string::npos) << report;
  EXPECT_EQ(format_report(check, true), format_summary(check) + "\n");
}

}  // namespace
}  // namespace quorvane::check
