#include "checker/display_text.h"

#include <cstdio>
#include <optional>

#include "core/text/unicode.h"

namespace quorvane::check {
namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence that `lead` announces (1 for ASCII and for
// bytes that start no sequence).
std::size_t announced_length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The code point of a valid UTF-8 sequence of 2 to 4 bytes.
unsigned code_point(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  unsigned code = byte(0) & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

// The code points that are invisible or move text around, as of Unicode
// 15.1: the general categories Cc (controls), Cf (format characters), Zl
// and Zp (line and paragraph separators), the Default_Ignorable_Code_Point
// set (variation selectors, fillers, joiners, tags) and U+2800 BRAILLE
// PATTERN BLANK, which all show as nothing or as blank without being
// whitespace. Sorted, without overlaps.
struct Range {
  unsigned first;
  unsigned last;
};
constexpr Range kHidden[] = {
    {0x0, 0x1F}, {0x7F, 0x9F}, {0xAD, 0xAD}, {0x34F, 0x34F}, {0x600, 0x605}, {0x61C, 0x61C},
    {0x6DD, 0x6DD}, {0x70F, 0x70F}, {0x890, 0x891}, {0x8E2, 0x8E2}, {0x115F, 0x1160},
    {0x17B4, 0x17B5}, {0x180B, 0x180F}, {0x200B, 0x200F}, {0x2028, 0x202E}, {0x2060, 0x206F},
    {0x2800, 0x2800}, {0x3164, 0x3164}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0},
    {0xFFF0, 0xFFFB}, {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F},
    {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

bool is_hidden(unsigned code) {
  for (const Range& range : kHidden) {
    if (code < range.first) return false;
    if (code <= range.last) return true;
  }
  return false;
}

// Whether `code` is shown as an escape: the characters above, the escape
// character and the marks that quoted() puts around file content.
bool needs_escape(unsigned code) {
  return code == '\\' || code == 0x2039 || code == 0x203A || is_hidden(code);
}

void append_escape(std::string& out, const char* format, unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

// Appends the escape of `code`: \t, \\, \xNN for the other ASCII
// characters, \uNNNN or \UNNNNNNNN beyond.
void append_code_escape(std::string& out, unsigned code) {
  if (code == '\t') {
    out += "\\t";
  } else if (code == '\\') {
    out += "\\\\";
  } else if (code < 0x80) {
    append_escape(out, "\\x%02X", code);
  } else if (code <= 0xFFFF) {
    append_escape(out, "\\u%04X", code);
  } else {
    append_escape(out, "\\U%08X", code);
  }
}

// Appends `text` with every character of needs_escape and every stray
// byte escaped.
void append_escaped(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = announced_length(byte);
    const std::string_view sequence = text.substr(i, length);
    if (byte >= 0x80 &&
        (length == 1 || sequence.size() < length || find_invalid_utf8(sequence))) {
      append_escape(out, "\\x%02X", byte);  // a byte of no valid UTF-8
      ++i;
      continue;
    }
    const unsigned code = length == 1 ? byte : code_point(sequence);
    if (needs_escape(code)) {
      append_code_escape(out, code);
    } else {
      out += sequence;
    }
    i += length;
  }
}

std::size_t count_code_points(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += !is_continuation(static_cast<unsigned char>(c));
  return count;
}

// Byte offset where code point number `n` (from 0) of `text` begins.
std::size_t offset_of_code_point(std::string_view text, std::size_t n) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_continuation(static_cast<unsigned char>(text[i]))) continue;
    if (seen == n) return i;
    ++seen;
  }
  return text.size();
}

}  // namespace

std::string printable(std::string_view text, std::size_t limit) {
  std::string out;
  const std::size_t count = count_code_points(text);
  if (count <= limit || limit < 8) {
    append_escaped(text, out);
    return out;
  }
  const std::size_t tail = limit / 3;
  const std::size_t head = limit - tail - 1;
  append_escaped(text.substr(0, offset_of_code_point(text, head)), out);
  out += " … ";
  append_escaped(text.substr(offset_of_code_point(text, count - tail)), out);
  return out;
}

std::string_view trim_invisible(std::string_view text) {
  const auto hidden = [](std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence.front());
    if (sequence.size() == 1) return lead == ' ' || is_hidden(lead);
    return !find_invalid_utf8(sequence) && is_hidden(code_point(sequence));
  };
  for (bool changed = true; changed && !text.empty();) {
    changed = false;
    const std::size_t length = announced_length(static_cast<unsigned char>(text.front()));
    if (length <= text.size() && hidden(text.substr(0, length))) {
      text.remove_prefix(length);
      changed = true;
    }
    std::size_t start = text.size();
    while (start > 0 && is_continuation(static_cast<unsigned char>(text[start - 1]))) --start;
    if (start > 0 && !text.empty()) --start;
    if (!text.empty() && hidden(text.substr(start))) {
      text.remove_suffix(text.size() - start);
      changed = true;
    }
  }
  return trim_whitespace(text);
}

std::string quoted(std::string_view text, std::size_t limit) {
  return "‹" + printable(text, limit) + "›";
}

std::string count_of(std::size_t count, std::string_view singular, std::string_view plural) {
  std::string out = std::to_string(count) + " ";
  if (count == 1) return out.append(singular);
  if (plural.empty()) return out.append(singular) + "s";
  return out.append(plural);
}

}  // namespace quorvane::check
