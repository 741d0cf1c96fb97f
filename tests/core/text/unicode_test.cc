#include "core/text/unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

// Every White_Space character in UTF-8, and a few that look alike but are not.
const char* const kWhitespace[] = {"\t", "\n", "\v", "\f", "\r", " ",
                                   "\xC2\x85",      // U+0085
                                   "\xC2\xA0",      // U+00A0
                                   "\xE1\x9A\x80",  // U+1680
                                   "\xE2\x80\x80", "\xE2\x80\x85", "\xE2\x80\x8A",  // U+2000..200A
                                   "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
                                   "\xE2\x81\x9F",   // U+205F
                                   "\xE3\x80\x80"};  // U+3000
const char* const kNotWhitespace[] = {"\xE2\x80\x8B",  // U+200B zero width space
                                      "\xEF\xBB\xBF",  // U+FEFF byte order mark
                                      "\xE1\xA0\x8E",  // U+180E
                                      "\x1C", "\x00", "x", "\xC2\xA1", "\xE2\x80\xAE"};

TEST(Whitespace, RecognisesExactlyTheWhiteSpaceSet) {
  for (const char* ws : kWhitespace) {
    const std::string s = std::string(ws) + "x" + ws;
    EXPECT_EQ(leading_whitespace_char(s), std::string_view(ws).size()) << s;
    EXPECT_EQ(trailing_whitespace_char(s), std::string_view(ws).size()) << s;
    EXPECT_EQ(trim_whitespace(s), "x");
  }
  for (const char* other : kNotWhitespace) {
    const std::string s(other, std::max<std::size_t>(1, std::string_view(other).size()));
    EXPECT_EQ(leading_whitespace_char(s), 0u);
    EXPECT_EQ(trailing_whitespace_char(s), 0u);
    EXPECT_EQ(trim_whitespace(s), s);
  }
}

TEST(Whitespace, TrimKeepsInnerWhitespaceAndHandlesEdges) {
  EXPECT_EQ(trim_whitespace(""), "");
  EXPECT_EQ(trim_whitespace(" \t\xE3\x80\x80 "), "");
  EXPECT_EQ(trim_whitespace("  a \xC2\xA0 b\r\n"), "a \xC2\xA0 b");
  EXPECT_EQ(trim_whitespace("\xC2"), "\xC2");  // a truncated sequence is no whitespace
  EXPECT_EQ(trim_whitespace("\xE2\x80"), "\xE2\x80");
}

TEST(Quotes, TrimRemovesEveryOuterQuoteOnly) {
  EXPECT_EQ(trim_quotes("\"\"\"a\"\"\""), "a");
  EXPECT_EQ(trim_quotes("\"a\"b\""), "a\"b");
  EXPECT_EQ(trim_quotes("'a'"), "'a'");
  EXPECT_EQ(trim_quotes("\"\""), "");
  EXPECT_EQ(trim_quotes("\""), "");
  EXPECT_EQ(trim_quotes(""), "");
}

struct Utf8Case {
  std::string text;
  std::optional<std::size_t> bad_at;
};

TEST(Utf8, FindsTheFirstInvalidSequence) {
  const Utf8Case cases[] = {
      {"", std::nullopt},
      {"plain ascii text that is longer than eight bytes", std::nullopt},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", std::nullopt},
      {"\xF4\x8F\xBF\xBF", std::nullopt},         // U+10FFFF
      {"abc\x80", 3},                             // stray continuation
      {"abcdefghij\xC3", 10},                     // truncated at the end
      {"\xC0\xAF", 0},                            // overlong
      {"\xE0\x80\xAF", 0},                        // overlong
      {"\xED\xA0\x80", 0},                        // surrogate
      {"\xF4\x90\x80\x80", 0},                    // above U+10FFFF
      {"\xF5\x80\x80\x80", 0},                    // invalid lead
      {"ok\xE2\x82", 2},                          // truncated three-byte
      {"\xE2\x28\xA1", 0},                        // bad continuation
      {std::string("a\0b", 3), std::nullopt},    // NUL is valid UTF-8
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(find_invalid_utf8(c.text), c.bad_at) << testing::PrintToString(c.text);
  }
  // A stray byte in each block of the 64-byte skip, and past it.
  for (const std::size_t at : {0, 15, 16, 33, 63, 64, 127, 190}) {
    std::string text(200, 'a');
    text[at] = '\x80';
    EXPECT_EQ(find_invalid_utf8(text), at);
  }
}

}  // namespace
}  // namespace quorvane
