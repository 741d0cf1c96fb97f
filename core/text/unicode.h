// Text helpers shared by the parsers: the whitespace set of the database file
// format (the Unicode White_Space characters, not isspace) and UTF-8 checks.
// All functions take UTF-8 text as views and never read outside them; on
// invalid UTF-8 they stay safe but treat stray bytes as ordinary characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvane {

// Byte length of the White_Space character that `text` starts with, or 0.
// The set: U+0009..U+000D, U+0020, U+0085, U+00A0, U+1680, U+2000..U+200A,
// U+2028, U+2029, U+202F, U+205F, U+3000.
std::size_t leading_whitespace_char(std::string_view text);

// Byte length of the White_Space character that `text` ends with, or 0.
std::size_t trailing_whitespace_char(std::string_view text);

// trim_whitespace without its shortcut for texts that need no trimming.
std::string_view trim_whitespace_scan(std::string_view text);

// trim_whitespace past its shortcut for "x...y" and " x...y": plain spaces
// first, then any White_Space.
std::string_view trim_whitespace_rest(std::string_view text);

// `text` without White_Space characters at either end.
inline std::string_view trim_whitespace(std::string_view text) {
  // Most texts are printable ASCII at both ends after at most one space in
  // front (an item after ", ", a value after ": "): nothing more to trim.
  auto printable = [](char c) { return static_cast<unsigned char>(c - '!') < '\x7F' - '!'; };
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end) {
    begin += *begin == ' ';
    if (begin != end && printable(*begin) && printable(end[-1])) {
      return std::string_view(begin, static_cast<std::size_t>(end - begin));
    }
  }
  return trim_whitespace_rest(text);
}

// `text` without any double quote (U+0022) at either end; inner quotes stay.
inline std::string_view trim_quotes(std::string_view text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin != end && *begin == '"') ++begin;
  if (begin == end) return {};
  while (end[-1] == '"') --end;  // stops at *begin at the latest
  return std::string_view(begin, static_cast<std::size_t>(end - begin));
}

// Whether `text` equals `lower_word` when its ASCII capitals are lowered.
// REQUIRES: `lower_word` has no ASCII capitals.
bool equals_ignoring_ascii_case(std::string_view text, std::string_view lower_word);

// The line of `text` that starts at `pos`, without its line feed; moves
// `pos` past that line feed. REQUIRES: pos < text.size().
inline std::string_view next_line(std::string_view text, std::size_t& pos) {
  std::size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  const std::string_view line(text.data() + pos, end - pos);  // pos <= end: no substr check
  pos = end + 1;
  return line;
}

// Offset of the first byte of the first invalid UTF-8 sequence in `text`, or
// nothing when the whole text is valid. Overlong forms, surrogates and code
// points above U+10FFFF are invalid, as in Python's strict decoder.
std::optional<std::size_t> find_invalid_utf8(std::string_view text);

}  // namespace quorvane
