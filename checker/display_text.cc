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

// C1 controls, and the invisible characters that change how a line shows:
// zero-width ones, direction marks and overrides, line and paragraph
// separators, and the byte order mark.
bool is_invisible(unsigned code) {
  return (code >= 0x80 && code <= 0x9F) || (code >= 0x200B && code <= 0x200F) ||
         (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x2069) ||
         code == 0xFEFF;
}

void append_escape(std::string& out, const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

// Appends `text` with every control character and stray byte escaped.
void append_escaped(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\t') {
      out += "\\t";
      ++i;
    } else if (byte < 0x20 || byte == 0x7F) {
      append_escape(out, "\\x%02X", byte);
      ++i;
    } else if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
    } else {
      const std::size_t length = announced_length(byte);
      const std::string_view sequence = text.substr(i, length);
      if (length == 1 || sequence.size() < length || find_invalid_utf8(sequence)) {
        append_escape(out, "\\x%02X", byte);
        ++i;
      } else if (const unsigned code = code_point(sequence); is_invisible(code)) {
        append_escape(out, "\\u%04X", code);
        i += length;
      } else {
        out += sequence;
        i += length;
      }
    }
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
