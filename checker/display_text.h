// Showing pieces of a database file in a report: control characters and
// stray bytes made visible, long texts shortened around the middle.
// Pure functions; safe to call from any thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::check {

// `text` safe for a terminal and unambiguous: every invisible character
// (Unicode's categories Cc, Cf, Zl and Zp: controls, format characters, line
// and paragraph separators; the default-ignorable code points; U+2800, a
// blank Braille pattern), the backslash, and the marks ‹ and › become
// escapes: \t, \\, \xNN for ASCII, \uNNNN and \UNNNNNNNN beyond; bytes of
// no valid UTF-8 become \xNN (NN from 80), so the result is always valid
// UTF-8. A text of more than `limit` code points keeps its beginning and its
// end around " … ".
std::string printable(std::string_view text, std::size_t limit);

// `text` without the characters that printable escapes as invisible and
// without whitespace, at both ends.
std::string_view trim_invisible(std::string_view text);

// printable(text, limit) between ‹ and ›, the marks that set file content
// apart in explanations (file content is full of quotes and brackets).
std::string quoted(std::string_view text, std::size_t limit = 60);

// "1 error", "2 errors": `count` and the noun in the number it asks for.
std::string count_of(std::size_t count, std::string_view singular, std::string_view plural = {});

}  // namespace quorvane::check
