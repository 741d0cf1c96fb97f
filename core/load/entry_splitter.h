// Cutting one entry line of a database file into fields.
//
// Words are maximal runs of non-White_Space characters (the set of text.h).
// A word normally makes a field of its own, but a word that opens a quote or
// leaves brackets or braces unbalanced starts a joined field that takes in the
// following words, joined by single spaces, until the closing condition holds:
//  - a field is opened when its first word has an odd count of double quotes
//    or of single quotes, or unequal counts of "[" and "]", or of "{" and "}";
//  - after each further word, the field is closed exactly when the field's
//    double-quote count is odd, its single-quote count is odd, its "[" and "]"
//    counts are equal, and the "{" and "}" counts of that last word alone are
//    equal. Otherwise the field takes in the next word too.
// Counting is plain counting: no escapes, order and nesting play no part.
// The closing test differs from the opening one on purpose (it is the file
// format's rule), so an opened field often runs to the end of the line.
//
// Runs in time linear in the line length. Thread-safe on distinct objects.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The fields of one line, reused from line to line so that splitting many
// lines allocates only when a line needs more room than any before it.
// A field is a view into the split line (when its words were separated by
// single spaces) or into the object's own buffer (when whitespace had to be
// normalised); views stay valid until the next split or until the line dies.
class EntryFields {
 public:
  // The number of fields of the line, also those whose text was not kept.
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // The number of fields whose text was kept: the first ones, up to the
  // limit given to split_entries.
  std::size_t kept() const { return spans_.size(); }
  // REQUIRES: i < kept(). Never empty.
  std::string_view operator[](std::size_t i) const;

 private:
  friend void split_entries(std::string_view line, EntryFields& out, std::size_t max_kept);
  struct Span {
    std::size_t offset;
    std::size_t length;
    bool normalised;  // in normalised_, else in line_
  };
  std::string_view line_;
  std::vector<Span> spans_;
  std::string normalised_;
  std::size_t count_ = 0;
};

// The three fields of `line`, as views into it, when the line has the usual
// shape of an entry line: words separated by single spaces (U+0020) and no
// other whitespace; a first and a second word without quotes, brackets or
// braces; and either a single further word, or further words of which the
// first opens a field while none holds a single quote (so that the field
// takes in the rest of the line). Nothing for any other line, whose fields
// split_entries finds; for a line of this shape it gives the same three.
std::optional<std::array<std::string_view, 3>> split_common_entry(std::string_view line);

// Splits `line` into `out`, replacing what it held. Keeps the text of the
// first `max_kept` fields only and just counts the rest, so that a line of
// millions of words costs no memory per word when only a few are wanted.
// Cannot fail.
void split_entries(std::string_view line, EntryFields& out,
                   std::size_t max_kept = static_cast<std::size_t>(-1));

// The fields of `line` as owned strings; possibly none, never an empty one.
std::vector<std::string> split_entries(std::string_view line);

}  // namespace quorvane
