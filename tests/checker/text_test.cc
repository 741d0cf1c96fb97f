// The text forms quorvane-check writes: Python's float repr, JSON strings and
// values, and the printable excerpts of file content.
#include "checker/float_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "checker/display_text.h"
#include "checker/json_writer.h"
#include "core/value/data_type.h"
#include "core/value/document.h"

namespace quorvane::check {
namespace {

struct ReprCase {
  double value;
  const char* repr;  // what Python's repr() prints
};

class PythonFloatRepr : public ::testing::TestWithParam<ReprCase> {};

TEST_P(PythonFloatRepr, MatchesPython) {
  EXPECT_EQ(python_float_repr(GetParam().value), GetParam().repr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PythonFloatRepr,
    ::testing::Values(
        ReprCase{0.0, "0.0"}, ReprCase{-0.0, "-0.0"}, ReprCase{1.0, "1.0"},
        ReprCase{-2.5, "-2.5"}, ReprCase{0.1, "0.1"}, ReprCase{1e-05, "1e-05"},
        ReprCase{0.0001, "0.0001"}, ReprCase{0.00012, "0.00012"},
        ReprCase{1e15, "1000000000000000.0"}, ReprCase{1e16, "1e+16"},
        ReprCase{1.5e16, "1.5e+16"}, ReprCase{123456789.0, "123456789.0"},
        ReprCase{5e-324, "5e-324"}, ReprCase{1.7976931348623157e308, "1.7976931348623157e+308"},
        ReprCase{1.401298464324817e-45, "1.401298464324817e-45"},
        ReprCase{1.1754943508222875e-38, "1.1754943508222875e-38"},
        ReprCase{0.10000000149011612, "0.10000000149011612"},
        ReprCase{3.4028234663852886e38, "3.4028234663852886e+38"},
        ReprCase{9007199254740992.0, "9007199254740992.0"}, ReprCase{1e22, "1e+22"},
        ReprCase{1e-07, "1e-07"}, ReprCase{123.456, "123.456"}, ReprCase{100.0, "100.0"},
        ReprCase{1e100, "1e+100"}, ReprCase{-1e-100, "-1e-100"},
        ReprCase{std::numeric_limits<double>::infinity(), "inf"},
        ReprCase{-std::numeric_limits<double>::infinity(), "-inf"},
        ReprCase{std::nan(""), "nan"}));

std::string json_of(const DataType& value) {
  std::string out;
  append_json(value, out);
  return out;
}

TEST(Json, ScalarsAndNonFiniteNumbers) {
  EXPECT_EQ(json_of(DataType::number(0.1f)), "0.10000000149011612");
  EXPECT_EQ(json_of(DataType::number(36.0f)), "36.0");
  EXPECT_EQ(json_of(DataType::number(-0.0f)), "-0.0");
  EXPECT_EQ(json_of(DataType::number(std::numeric_limits<float>::infinity())), "null");
  EXPECT_EQ(json_of(DataType::number(-std::numeric_limits<float>::infinity())), "null");
  EXPECT_EQ(json_of(DataType::number(std::numeric_limits<float>::quiet_NaN())), "null");
  EXPECT_EQ(json_of(DataType::boolean(true)), "true");
  EXPECT_EQ(json_of(DataType::boolean(false)), "false");
  Id id;
  for (std::size_t i = 0; i < id.bytes.size(); ++i) id.bytes[i] = static_cast<std::uint8_t>(i * 17);
  EXPECT_EQ(json_of(DataType::id(id)), "\"00112233-4455-6677-8899-aabbccddeeff\"");
}

TEST(Json, StringsEscapeQuotesBackslashesControlsAndLineBreaks) {
  const std::string text("a\"b\\c\n\r\t\b\f\x01\x1f\x7f é\0z\xC2\x85\xC2\x9F\xC2\xA0"
                         "\xE2\x80\xA8\xE2\x80\xA9\xE2\x80\xAA",
                         33);
  EXPECT_EQ(json_of(DataType::text(text)),
            "\"a\\\"b\\\\c\\n\\r\\t\\b\\f\\u0001\\u001f\\u007f é\\u0000z\\u0085\\u009f\xC2\xA0"
            "\\u2028\\u2029\xE2\x80\xAA\"");
  std::string out;
  append_json_string("a\xFF\xE2\x80", out);
  EXPECT_EQ(out, "\"a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST(Json, TypedFormTagsEveryValueAndKeepsNonFiniteNumbers) {
  Document inner;
  inner.insert_or_assign("t", DataType::text("x"));
  Document outer;
  outer.insert_or_assign("a", DataType::array(Array{
                                  DataType::number(std::numeric_limits<float>::quiet_NaN()),
                                  DataType::number(-std::numeric_limits<float>::infinity()),
                                  DataType::number(2.5f), DataType::boolean(false),
                                  DataType::id(Id{})}));
  outer.insert_or_assign("d", DataType::document(std::move(inner)));
  std::string out;
  append_typed_json(DataType::document(std::move(outer)), out);
  EXPECT_EQ(out,
            "{\"Document\": {\"a\": {\"Array\": [{\"Number\": \"nan\"}, {\"Number\": \"-inf\"}, "
            "{\"Number\": 2.5}, {\"Boolean\": false}, "
            "{\"Id\": \"00000000-0000-0000-0000-000000000000\"}]}, "
            "\"d\": {\"Document\": {\"t\": {\"Text\": \"x\"}}}}}");
  std::vector<Collection> collections;
  collections.emplace_back("b");
  collections.emplace_back("b");
  const Database db("x.mdb", std::move(collections));
  EXPECT_EQ(typed_database_json("d\x01.mdb", &db),
            "{\"file\": \"d\\u0001.mdb\", \"collections\": [{\"name\": \"b\", \"entries\": {}}, "
            "{\"name\": \"b\", \"entries\": {}}]}");
  EXPECT_EQ(typed_database_json("x", nullptr), "{\"file\": \"x\", \"collections\": null}");
  EXPECT_EQ(typed_database_json("\xFF\xE2\x80\xEF\xBF\xBD", nullptr),
            "{\"file\": \"\\udcff\\udce2\\udc80\xEF\xBF\xBD\", \"collections\": null}");
}

TEST(Json, ContainersKeepArrayOrderAndSortDocumentKeys) {
  Document inner;
  for (const char* key : {"b", "a", "c", "aa", "B"}) {
    inner.insert_or_assign(key, DataType::number(1.0f));
  }
  Document outer;
  outer.insert_or_assign("list", DataType::array(Array{DataType::text("z"), DataType::number(2.0f),
                                                       DataType::array(Array{})}));
  outer.insert_or_assign("doc", DataType::document(std::move(inner)));
  outer.insert_or_assign("empty", DataType::document(Document{}));
  EXPECT_EQ(json_of(DataType::document(std::move(outer))),
            "{\"doc\": {\"B\": 1.0, \"a\": 1.0, \"aa\": 1.0, \"b\": 1.0, \"c\": 1.0}, "
            "\"empty\": {}, \"list\": [\"z\", 2.0, []]}");
}

TEST(Json, DatabaseListsEveryCollectionInOrder) {
  std::vector<Collection> collections;
  collections.emplace_back("b");
  collections.back().set("k", DataType::boolean(true));
  collections.emplace_back("a");
  collections.emplace_back("b");
  const Database db("x.mdb", std::move(collections));
  EXPECT_EQ(database_json(db),
            "[{\"name\": \"b\", \"entries\": {\"k\": true}}, {\"name\": \"a\", \"entries\": {}}, "
            "{\"name\": \"b\", \"entries\": {}}]");
}

TEST(Json, WrittenInPiecesIsTheSameText) {
  std::vector<Collection> collections;
  Collection& a = collections.emplace_back("a");
  for (int i = 0; i < 300000; ++i) a.set("key" + std::to_string(i), DataType::number(2.5f));
  const Database db("x.mdb", std::move(collections));
  for (const bool typed : {false, true}) {
    std::string joined;
    std::size_t pieces = 0;
    const JsonSpill spill = [&](std::string& piece) { joined += piece, ++pieces; };
    typed ? write_typed_database_json("x", &db, spill) : write_database_json(db, spill);
    EXPECT_EQ(joined, typed ? typed_database_json("x", &db) : database_json(db));
    EXPECT_GT(pieces, 2u);
  }
}

struct PrintableCase {
  const char* name;
  std::string text;
  std::size_t limit;
  std::string shown;
};

void PrintTo(const PrintableCase& c, std::ostream* os) { *os << c.name; }

class Printable : public ::testing::TestWithParam<PrintableCase> {};

TEST_P(Printable, EscapesAndShortens) {
  EXPECT_EQ(printable(GetParam().text, GetParam().limit), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Printable,
    ::testing::Values(
        PrintableCase{"plain", "3 age 36", 100, "3 age 36"},
        PrintableCase{"tab_and_controls", std::string("a\tb\x1b[0m\x7f\0", 9), 100,
                      "a\\tb\\x1B[0m\\x7F\\x00"},
        PrintableCase{"escape_character_and_marks", "\\x1B[31m a\xE2\x80\xBA_\xE2\x80\xB9" "b", 100,
                      "\\\\x1B[31m a\\u203A_\\u2039b"},
        PrintableCase{"format_characters_everywhere",
                      "\xC2\xAD\xD8\x9C\xE1\xA0\x8E\xEF\xBF\xB9\xF3\xA0\x80\x81\xF3\xA0\x81\xBF",
                      100,
                      "\\u00AD\\u061C\\u180E\\uFFF9\\U000E0001\\U000E007F"},
        PrintableCase{"blank_but_no_whitespace",
                      "\xE3\x85\xA4\xE2\xA0\x80\xEF\xBE\xA0\xE1\x85\x9F\xEF\xB8\x8F\xCD\x8F", 100,
                      "\\u3164\\u2800\\uFFA0\\u115F\\uFE0F\\u034F"},
        PrintableCase{"c1_control", "a\xC2\x9B" "b", 100, "a\\u009Bb"},
        PrintableCase{"invisible_format_characters",
                      "\xEF\xBB\xBF[a]\xE2\x80\xAE\xE2\x80\x8B\xE2\x80\xA8", 100,
                      "\\uFEFF[a]\\u202E\\u200B\\u2028"},
        PrintableCase{"stray_bytes", "caf\xE9 \xF0\x9F\x98 \xED\xA0\x80", 100,
                      "caf\\xE9 \\xF0\\x9F\\x98 \\xED\\xA0\\x80"},
        PrintableCase{"multibyte_kept", "é東\xF0\x9F\x98\x80", 100, "é東\xF0\x9F\x98\x80"},
        PrintableCase{"at_the_limit", "0123456789", 10, "0123456789"},
        PrintableCase{"shortened", "0123456789abcdefghijklmnopqrstuvwxyz", 12,
                      "0123456 … wxyz"},
        PrintableCase{"shortened_on_code_points", "éééééééééééééééééééé東東東東", 12,
                      "ééééééé … 東東東東"}));

TEST(Quoted, MarksTheText) { EXPECT_EQ(quoted("a\"b"), "‹a\"b›"); }

TEST(CountOf, PicksTheNumberOfTheNoun) {
  EXPECT_EQ(count_of(1, "error"), "1 error");
  EXPECT_EQ(count_of(0, "error"), "0 errors");
  EXPECT_EQ(count_of(2, "entry", "entries"), "2 entries");
  EXPECT_EQ(count_of(1, "entry", "entries"), "1 entry");
}

}  // namespace
}  // namespace quorvane::check
