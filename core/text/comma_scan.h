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
// Positions are offsets into the text given at construction, which must
// outlive the finder. Not thread-safe.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/text/byte_block.h"
#include "core/text/comma_index.h"

namespace quorvane {

// Returned by the scans below when they give up.
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

// The bytes that for_each_structural_byte reports.
template <bool kWithColons>
inline constexpr std::array<bool, 256> kStructuralBytes = [] {
  std::array<bool, 256> structural{};
  for (const char c : {',', '"', '[', ']', '{', '}'}) structural[static_cast<unsigned char>(c)] = true;
  structural[':'] = kWithColons;
  return structural;
}();

// Whether either depth of `depths` (packed as above) has passed
// kMaxDirectDepth; for the bracket depth, roughly.
inline bool too_deep_to_scan(std::int64_t depths) {
  return static_cast<std::int32_t>(depths) > kMaxDirectDepth || (depths >> 32) > kMaxDirectDepth;
}

// Bit i set when byte i of the 16 at `p` is one of , " [ ] { } (and : when
// kWithColons).
template <bool kWithColons>
std::uint32_t structural_bits(const char* p) {
  // "[" and "{", and "]" and "}", differ only in the bit 0x20.
  const ByteBlock bytes = load_block(p, kBlockSize);
  const ByteBlock folded = bytes | 0x20;
  LaneMask marked = (bytes == ',') | (bytes == '"') | (folded == '{') | (folded == '}');
  if constexpr (kWithColons) marked |= bytes == ':';
  return lane_bits(marked);
}

// Calls on_byte(i) for every byte of [begin, end) of `text` that is one of
// , " [ ] { } (and : when kWithColons), in order, until it returns false, and
// returns where it stopped, or `end` once through. Finds them 16 bytes at a
// time. After each 16 bytes it asks too_deep() and returns kExhausted if so.
template <bool kWithColons, class OnByte, class TooDeep>
std::size_t for_each_structural_byte(std::string_view text, std::size_t begin, std::size_t end,
                                     OnByte&& on_byte, TooDeep&& too_deep) {
  const char* const p = text.data();
  std::size_t block = begin;
  for (; end - block >= kBlockSize; block += kBlockSize) {
    for (std::uint32_t bits = structural_bits<kWithColons>(p + block); bits != 0;
         bits &= bits - 1) {
      const std::size_t i = block + static_cast<std::size_t>(std::countr_zero(bits));
      if (!on_byte(i)) return i;
    }
    if (too_deep()) return kExhausted;
  }
  if (block == end) return end;
  if (end >= kBlockSize) {
    // The last bytes as the text's final 16, whose lanes before `block`
    // (scanned already, or before `begin`) are shifted out.
    const std::size_t at = end - kBlockSize;
    for (std::uint32_t bits = structural_bits<kWithColons>(p + at) >> (block - at); bits != 0;
         bits &= bits - 1) {
      const std::size_t i = block + static_cast<std::size_t>(std::countr_zero(bits));
      if (!on_byte(i)) return i;
    }
    return end;
  }
  // A text shorter than a block: byte by byte, skipping the bytes that no
  // caller looks at.
  for (std::size_t i = block; i < end; ++i) {
    if (kStructuralBytes<kWithColons>[static_cast<unsigned char>(p[i])] && !on_byte(i)) return i;
  }
  return end;
}

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
  std::int64_t depths = 0;
  unsigned quoted = 0;
  // No data-dependent branch but the one taken at a splitting comma.
  auto on_byte = [&](std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    depths += kDepthSteps[c];
    quoted ^= static_cast<unsigned>(c == '"');
    return !((c == ',') & (depths == 0) & (quoted == 0)) || on_comma(i);
  };
  return for_each_structural_byte<false>(text, begin, end, on_byte,
                                         [&] { return too_deep_to_scan(depths); });
}

// Scans the pairs of the document level [begin, end) of `text` in one pass:
// key text up to the first colon, then value text up to the next splitting
// comma, counting from zero at the colon, and calls
// on_pair(key_begin, colon, value_end) for each pair, the last one (if its
// colon was found) with value_end == end. Returns `end`, or kExhausted as
// scan_splitting_commas does.
// REQUIRES: text.size() <= kMaxDirectScanText.
template <class OnPair>
std::size_t scan_pairs(std::string_view text, std::size_t begin, std::size_t end,
                       OnPair&& on_pair) {
  constexpr std::size_t kInKey = kExhausted;  // as `colon`: none found yet
  std::int64_t depths = 0;
  unsigned quoted = 0;
  std::size_t key_begin = begin;
  std::size_t colon = kInKey;
  auto on_byte = [&](std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (colon == kInKey) {  // only a colon matters in a key
      if (c == ':') colon = i;
      return true;
    }
    depths += kDepthSteps[c];
    quoted ^= static_cast<unsigned>(c == '"');
    if ((c == ',') & (depths == 0) & (quoted == 0)) {
      on_pair(key_begin, colon, i);
      key_begin = i + 1;
      colon = kInKey;
    }
    return true;
  };
  const std::size_t stop = for_each_structural_byte<true>(text, begin, end, on_byte,
                                                          [&] { return too_deep_to_scan(depths); });
  if (stop == end && colon != kInKey) on_pair(key_begin, colon, end);
  return stop;
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

  // Calls visit(key_begin, colon, value_end, state) for each pair of the
  // document level [begin, end) whose start state is `base`: the key text
  // [key_begin, colon) runs up to the first colon, the value text
  // [colon + 1, value_end) up to the next splitting comma (counted from
  // the colon, where the state is `state`), or up to `end` for the last
  // pair. A key text without a colon ends the level. False, after visiting
  // some or none, when the budget is spent.
  template <class Visit>
  bool for_each_pair(State, std::size_t begin, std::size_t end, Visit&& visit) {
    if (budget_ == 0 || !charge(end - begin)) return false;
    return scan_pairs(text_, begin, end,
                      [&](std::size_t key_begin, std::size_t colon, std::size_t value_end) {
                        visit(key_begin, colon, value_end, State{});
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

  explicit IndexedCommas(std::string_view text) : text_(text), index_(text) {}

  // As DirectCommas::for_each_comma; always true.
  template <class Visit>
  bool for_each_comma(const State& base, std::size_t begin, std::size_t end, Visit&& visit) {
    for (const std::size_t at : index_.commas(base, begin, end)) visit(at);
    return true;
  }

  // As DirectCommas::for_each_pair; always true.
  template <class Visit>
  bool for_each_pair(State state, std::size_t begin, std::size_t end, Visit&& visit) {
    std::size_t pos = begin;  // `state` is the state at `pos`
    while (pos < end) {
      std::size_t colon = pos;
      for (; colon < end && text_[colon] != ':'; ++colon) state.step(text_[colon]);
      if (colon == end) break;
      const std::size_t comma = index_.first_comma(state, colon + 1, end).value_or(end);
      visit(pos, colon, comma, state);
      pos = comma + 1;  // the state at a splitting comma is that at its value's start
    }
    return true;
  }

 private:
  std::string_view text_;
  CommaIndex index_;
};

}  // namespace quorvane
