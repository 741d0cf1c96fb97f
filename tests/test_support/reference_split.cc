#include "tests/test_support/reference_split.h"

#include <algorithm>
#include <utility>

namespace quorvane::reference {
namespace {

// The UTF-8 forms of the Unicode White_Space characters.
constexpr std::string_view kWhitespace[] = {
    "\t",           "\n",           "\v",           "\f",           "\r",
    " ",            "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80",
    "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A",
    "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80",
};

std::size_t count(const std::string& s, char c) {
  return static_cast<std::size_t>(std::ranges::count(s, c));
}

}  // namespace

std::size_t whitespace_length(std::string_view text) {
  for (const std::string_view w : kWhitespace) {
    if (text.starts_with(w)) return w.size();
  }
  return 0;
}

std::string_view trim(std::string_view text) {
  while (const std::size_t n = whitespace_length(text)) text.remove_prefix(n);
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view w : kWhitespace) {
      if (text.ends_with(w)) {
        text.remove_suffix(w.size());
        trimmed = true;
      }
    }
  }
  return text;
}

std::vector<std::string> words(std::string_view line) {
  std::vector<std::string> out;
  std::string word;
  for (std::size_t i = 0; i < line.size();) {
    if (const std::size_t n = whitespace_length(line.substr(i))) {
      if (!word.empty()) out.push_back(std::exchange(word, {}));
      i += n;
    } else {
      word.push_back(line[i++]);
    }
  }
  if (!word.empty()) out.push_back(word);
  return out;
}

// A word that opens no field closes at once: its quotes pair up and its
// brackets and braces balance. An open field closes only once its double
// quotes pair up no more: then its single quotes must not pair up, its
// brackets must balance, and the braces of the last word alone must balance.
std::vector<std::string> split(std::string_view line) {
  std::vector<std::string> fields;
  bool closed = true;
  for (const std::string& w : words(line)) {
    if (closed) {
      fields.push_back(w);
      closed = count(w, '"') % 2 == 0 && count(w, '\'') % 2 == 0 &&
               count(w, '[') == count(w, ']') && count(w, '{') == count(w, '}');
      continue;
    }
    std::string& field = fields.back();
    field += ' ';
    field += w;
    if (count(field, '"') % 2 == 1) {
      closed = count(field, '\'') % 2 == 1 && count(field, '[') == count(field, ']') &&
               count(w, '{') == count(w, '}');
    }
  }
  return fields;
}

}  // namespace quorvane::reference
