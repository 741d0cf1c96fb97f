// Two ways of finding the splitting commas of the levels of one container
// text, with one interface, for the container reader.
//
// A splitting comma of a level is a comma at which the quote flag, bracket
// depth and brace depth, counted from the start of the level's inner text (or
// of a pair's value text), are all clear. DirectCommas scans each level's own
// text afresh: the fastest for the shallow texts of real files, but a text
// nested d levels deep is scanned up to d times. It therefore works against a
// budget of scanned bytes, gives up on deep nesting at once, and then reports
// kExhausted, so that the caller can start over with IndexedCommas, which
// scans the whole text once (comma_index.h) and stays linear however deep
// the nesting is.
//
// Positions are offsets into the text given at construction; the finders keep
// no view of it beyond their own lifetime. Not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/comma_index.h"

namespace quorvane {

// Returned by the scans below, and by a finder's lookups, when they give up.
inline constexpr std::size_t kExhausted = std::numeric_limits<std::size_t>::max();

// Depth beyond which a direct scan gives up: real values nest a few levels.
inline constexpr std::int64_t kMaxDirectDepth = 64;

// Offset of the first splitting comma in [begin, end) of `text`, counting
// the quote flag and both depths from zero at `begin`; `end` if none; or
// kExhausted once the bracket or the brace depth has passed kMaxDirectDepth
// (noticed within 16 bytes or so), since the levels below would be scanned
// over and over.
std::size_t next_splitting_comma(std::string_view text, std::size_t begin, std::size_t end);

class DirectCommas {
 public:
  // Direct scans need no state: every level counts from zero at its start.
  struct State {
    void step(char) {}
  };

  // May scan up to about `budget` bytes in all before it gives up.
  DirectCommas(std::string_view text, std::size_t budget) : text_(text), budget_(budget) {}

  // The first splitting comma in [begin, end) of the level whose start state
  // is `base`, `end` if none, or kExhausted.
  std::size_t first_comma(State, std::size_t begin, std::size_t end) {
    const std::size_t comma = next_splitting_comma(text_, begin, end);
    return comma != kExhausted && charge(comma - begin) ? comma : kExhausted;
  }

  // Calls visit(offset) for each splitting comma in [begin, end), in order.
  // False, after visiting some or none, when the budget is spent.
  template <class Visit>
  bool for_each_comma(State, std::size_t begin, std::size_t end, Visit&& visit) {
    if (!charge(end - begin)) return false;
    for (std::size_t at = next_splitting_comma(text_, begin, end); at != end;
         at = next_splitting_comma(text_, at + 1, end)) {
      if (at == kExhausted) return false;
      visit(at);
    }
    return true;
  }

 private:
  bool charge(std::size_t scanned) {
    if (scanned > budget_) return false;
    budget_ -= scanned;
    return true;
  }

  std::string_view text_;
  std::size_t budget_;
};

class IndexedCommas {
 public:
  using State = ScanState;

  explicit IndexedCommas(std::string_view text) : index_(text) {}

  // As DirectCommas::first_comma; never kExhausted.
  std::size_t first_comma(const State& base, std::size_t begin, std::size_t end) {
    return index_.first_comma(base, begin, end).value_or(end);
  }

  // As DirectCommas::for_each_comma; always true.
  template <class Visit>
  bool for_each_comma(const State& base, std::size_t begin, std::size_t end, Visit&& visit) {
    for (const std::size_t at : index_.commas(base, begin, end)) visit(at);
    return true;
  }

 private:
  CommaIndex index_;
};

}  // namespace quorvane
