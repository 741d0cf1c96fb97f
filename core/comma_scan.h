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

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/byte_block.h"
#include "core/comma_index.h"

namespace quorvane {

// Returned by the scans below, and by a finder's lookups, when they give up.
inline constexpr std::size_t kExhausted = std::numeric_limits<std::size_t>::max();

// Depth beyond which a direct scan gives up: real values nest a few levels.
inline constexpr std::int64_t kMaxDirectDepth = 64;

// The longest text that direct scans take: they pack the bracket depth
// (times 2^32) and the brace depth (below 2^31 in magnitude) into one
// number, which is zero exactly when both are.
inline constexpr std::size_t kMaxDirectScanText = (std::size_t{1} << 31) - 1;
inline constexpr std::int64_t kBracketUnit = std::int64_t{1} << 32;

inline constexpr std::array<std::int64_t, 256> kDepthSteps = [] {
  std::array<std::int64_t, 256> steps{};
  steps['['] = kBracketUnit;
  steps[']'] = -kBracketUnit;
  steps['{'] = 1;
  steps['}'] = -1;
  return steps;
}();

// Scans [begin, end) of `text`, counting the quote flag and both depths
// from zero at `begin`, and calls on_comma(offset) at each splitting comma
// until it returns false. Returns the offset where it stopped so, `end`
// once through, or kExhausted once the bracket or the brace depth has
// passed kMaxDirectDepth (noticed within 16 bytes or so), since the levels
// below would be scanned over and over. (The state at a splitting comma is
// that at `begin`, so one scan serves all the commas of a level.)
// REQUIRES: text.size() <= kMaxDirectScanText.
template <class OnComma>
std::size_t scan_splitting_commas(std::string_view text, std::size_t begin, std::size_t end,
                                  OnComma&& on_comma) {
  const char* const p = text.data();
  std::int64_t depths = 0;
  unsigned quoted = 0;
  // Only the bytes that change the state or may split need any work.
  auto splits_at = [&](std::size_t i) {
    const auto c = static_cast<unsigned char>(p[i]);
    depths += kDepthSteps[c];
    quoted ^= static_cast<unsigned>(c == '"');
    return (c == ',') & (depths == 0) & (quoted == 0);
  };
  std::size_t block = begin;
  for (; end - block >= kBlockSize; block += kBlockSize) {
    // "[" and "{", and "]" and "}", differ only in the bit 0x20.
    const ByteBlock bytes = load_block(p + block, kBlockSize);
    const ByteBlock folded = bytes | 0x20;
    for (std::uint32_t bits =
             lane_bits((bytes == ',') | (bytes == '"') | (folded == '{') | (folded == '}'));
         bits != 0; bits &= bits - 1) {
      const std::size_t i = block + static_cast<std::size_t>(std::countr_zero(bits));
      if (splits_at(i) && !on_comma(i)) return i;
    }
    if (static_cast<std::int32_t>(depths) > kMaxDirectDepth || (depths >> 32) > kMaxDirectDepth) {
      return kExhausted;
    }
  }
  for (std::size_t i = block; i < end; ++i) {
    if (splits_at(i) && !on_comma(i)) return i;
  }
  return end;
}

class DirectCommas {
 public:
  // Direct scans need no state: every level counts from zero at its start.
  struct State {
    void step(char) {}
  };

  // May scan up to about `budget` bytes in all before it gives up; gives up
  // at once on a text longer than kMaxDirectScanText.
  DirectCommas(std::string_view text, std::size_t budget)
      : text_(text), budget_(text.size() <= kMaxDirectScanText ? budget : 0) {}

  // The first splitting comma in [begin, end) of the level whose start state
  // is `base`, `end` if none, or kExhausted.
  std::size_t first_comma(State, std::size_t begin, std::size_t end) {
    if (budget_ == 0) return kExhausted;
    const std::size_t comma =
        scan_splitting_commas(text_, begin, end, [](std::size_t) { return false; });
    return comma != kExhausted && charge(comma - begin) ? comma : kExhausted;
  }

  // Calls visit(offset) for each splitting comma in [begin, end), in order.
  // False, after visiting some or none, when the budget is spent.
  template <class Visit>
  bool for_each_comma(State, std::size_t begin, std::size_t end, Visit&& visit) {
    if (budget_ == 0 || !charge(end - begin)) return false;
    return scan_splitting_commas(text_, begin, end, [&](std::size_t at) {
             visit(at);
             return true;
           }) == end;
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
