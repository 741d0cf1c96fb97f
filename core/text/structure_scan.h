// The scan of value_structure.h, templated on what takes the top level's
// items, so that the loader's builder is called inline. Internal to
// core/text: value_structure.cc and value_builder.cc instantiate it.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/text/byte_block.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/text/value_structure.h"

// How one left-to-right scan finds every level's splitting commas.
//
// The scan keeps one state for the whole text: the quote flag and both
// depths counted from the top level's inner start. A level's own counts at
// a byte are the difference between the state there and the state where the
// level (or its current pair value) started, its base; so a comma splits a
// level exactly when the state equals that level's base. When several open
// levels have that base, the outermost one splits: it counts the bytes of
// the nested ones as its own item's, and its item ends there, and with it
// every level nested in that item.
//
// A level is opened where an item's text starts with "[" or "{" after
// whitespace, before it is known whether the item is one: only the item's
// end tells, when its trimmed text must end with the matching close (and a
// braced UUID is no document). The levels opened within an item that is no
// nested level are dropped at that end, with all they recorded. A level
// deeper than kMaxNestingDepth opens no level in turn: if it is one, the
// value is too deep whatever it holds.

namespace quorvane {
namespace structure_scan {

// A Sink takes the top level's items as the scan meets their ends, in text
// order, instead of their being recorded: so that a long flat value needs no
// record per item. A dropped pair is not passed on. It has
//   void scalar(TextSpan key, TextSpan value);  // a scalar item, or a pair whose value is one
//   void nested(TextSpan key, const ValueStructure& levels);
// where `levels` holds the item's own levels (its top() is the item's),
// valid for the call only. NoSink is none: every item is recorded. `sink`
// may be null only for NoSink.
struct NoSink {
  void scalar(TextSpan, TextSpan) {}
  void nested(TextSpan, const ValueStructure&) {}
};

inline constexpr std::uint32_t kNoLevel = std::numeric_limits<std::uint32_t>::max();

// A run of bytes' structural bytes as two masks: bit i set when byte i is
// one of , : [ ] { } (marks), or a '"' (quotes).
struct ChunkBits {
  std::uint64_t marks = 0;
  std::uint64_t quotes = 0;
};

// The masks of the 16 bytes at `p`, in the low 16 bits.
inline ChunkBits structural_bits(const char* p) {
  // "[" and "{", and "]" and "}", differ only in the bit 0x20.
  const ByteBlock bytes = load_block(p, kBlockSize);
  const ByteBlock folded = bytes | 0x20;
  return {lane_bits((bytes == ',') | (bytes == ':') | (folded == '{') | (folded == '}')),
          lane_bits(bytes == '"')};
}

inline bool is_structural_mark(char c) {
  return c == ',' || c == ':' || c == '[' || c == ']' || c == '{' || c == '}';
}

// Bit i set when an odd number of the bits 0 to i of `bits` are.
inline std::uint64_t prefix_parity(std::uint64_t bits) {
  bits ^= bits << 1;
  bits ^= bits << 2;
  bits ^= bits << 4;
  bits ^= bits << 8;
  bits ^= bits << 16;
  bits ^= bits << 32;
  return bits;
}

// The structural bytes of a text, found in chunks of four 16-byte blocks at
// multiples of 16 from its start, each chunk's marks taken in one loop: a
// loop's end is a branch that the number of marks decides, and texts are
// mostly a few chunks long. Each byte is loaded once, but for the last 16,
// which the blocks at the text's end share.
class StructuralCursor {
 public:
  static constexpr std::size_t kChunkSize = 4 * kBlockSize;

  explicit StructuralCursor(std::string_view text) : p_(text.data()), end_(text.size()) {}

  // Calls visit(offset, byte, quoted) for each mark (a structural byte other
  // than '"') at or after `from`, in order, where `quoted` is 1 when an odd
  // number of quotes lie in [from, offset), else 0. Quotes are counted as a
  // mask per chunk rather than visited, so that no branch depends on them.
  // A chunk's bits are taken lowest first and cleared as they go, so a byte
  // costs no shift or offset test of its own.
  template <class Visit>
  void for_each(std::size_t from, Visit&& visit) const {
    if (from >= end_) return;
    std::size_t base = from & ~(kBlockSize - 1);
    ChunkBits chunk = chunk_bits(base);
    const std::uint64_t after_from = ~std::uint64_t{0} << (from - base);
    chunk.marks &= after_from;
    chunk.quotes &= after_from;
    std::uint64_t carry = 0;  // all ones when the chunks before end inside quotes
    for (;;) {
      const std::uint64_t inside = prefix_parity(chunk.quotes) ^ carry;
      std::uint64_t bits = chunk.marks;
      while (bits != 0) {
        // Unsigned, so that the offset widens without a sign extension.
        const unsigned lane = static_cast<unsigned>(std::countr_zero(bits));
        const std::size_t at = base + lane;
        visit(at, p_[at], static_cast<std::uint32_t>((inside >> lane) & 1));
        bits &= bits - 1;
      }
      base += kChunkSize;
      if (base >= end_) return;
      carry = 0 - (inside >> (kChunkSize - 1));
      chunk = chunk_bits(base);
    }
  }

 private:
  // The masks of the bytes [at, at + 64) that lie before end_.
  // REQUIRES: at < end_.
  ChunkBits chunk_bits(std::size_t at) const {
    ChunkBits chunk;
    if (end_ >= kBlockSize) {
      // Each block, or the part of it before end_, from the 16 bytes that
      // end where it does or at end_, whichever is first; a block wholly
      // past end_ is shifted out.
      for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t want = at + i * kBlockSize;
        const std::size_t last = std::min(want, end_ - kBlockSize);
        const ChunkBits block = structural_bits(p_ + last);
        const std::size_t drop = want - last;  // under 64, as at < end_
        chunk.marks |= (block.marks >> drop) << (i * kBlockSize);
        chunk.quotes |= (block.quotes >> drop) << (i * kBlockSize);
      }
      return chunk;
    }
    for (std::size_t i = at; i < end_; ++i) {
      chunk.marks |= std::uint64_t{is_structural_mark(p_[i])} << (i - at);
      chunk.quotes |= std::uint64_t{p_[i] == '"'} << (i - at);
    }
    return chunk;
  }

  const char* p_;
  std::size_t end_;
};

// The scan state packed in one integer: brackets * kBracket + braces * 2 +
// quote flag, so that states compare and step as integers. Packed must hold
// twice the text's length in the brace field.
template <class Packed, int kBracketShift>
struct StateCoding {
  static constexpr Packed kBracket = Packed{1} << kBracketShift;
  static constexpr Packed kBrace = 2;
  // The base of a document level while it reads a key: no state equals it.
  static constexpr Packed kInKey = std::numeric_limits<Packed>::min();
};

struct Nested {
  ItemKind kind = ItemKind::kScalar;
  std::uint32_t level = kNoLevel;
  std::size_t level_mark = 0;
  std::size_t item_mark = 0;
};

template <class Coding, class Sink>
class Scanner {
 public:
  using Packed = std::remove_const_t<decltype(Coding::kBracket)>;

  Scanner(std::string_view text, ValueStructure& out, Sink* sink)
      : text_(text), p_(text.data()), out_(out), sink_(sink), kept_(scratch().stack) {}

  std::expected<void, ParseFailure> run();

 private:
  // A level being read.
  struct Open {
    Packed base;              // the state at which a comma splits it
    std::size_t open_at;      // its "[" or "{"
    std::size_t key;          // documents: the current key's start; arrays: 0
    std::size_t colon;        // documents: the current key's colon
    std::size_t value;        // the current item's or pair value's start
    std::size_t end;          // once known: the end of its inner text
    std::size_t first_item;
    std::size_t last_item;
    std::size_t item_count;
    std::size_t level_mark;   // the levels and items recorded before it
    std::size_t item_mark;
    std::size_t nested;       // items so far that are nested levels
    std::uint32_t depth;
    bool document;
  };

  // Reused from call to call, so that a scan allocates no scratch space.
  struct Scratch {
    std::vector<Open> stack;
  };
  static Scratch& scratch() {
    thread_local Scratch kept;
    return kept;
  }

  // `state` is the scan state after the "[" or "{" at `at`, or at `comma`.
  void open_level(std::size_t at, bool document, Packed state);
  inline void split(std::size_t comma, Packed state);
  // Ends the levels nested in the current item of stack_[k], which ends at
  // `end`, and returns what that item became.
  [[gnu::noinline]] Nested end_nested(std::size_t k, std::size_t end);
  void end_last_item(Open& level, std::size_t end, const Nested& nested);
  std::uint32_t finish(const Open& level);
  // Records `item` as the next of `level`. Forced inline, the sink's scalar
  // with it: out of line, each call saved and restored registers.
  [[gnu::always_inline]] void add_item(Open& level, TextSpan key, TextSpan value, ItemKind kind,
                                       std::uint32_t nested);
  [[gnu::noinline]] void grow_items();
  // add_item for a nested item of the top level when a sink takes its items.
  [[gnu::noinline]] void pass_on(TextSpan key);
  [[gnu::noinline]] void grow_stack();
  bool has_too_deep_level() const;
  bool only_whitespace(std::size_t begin, std::size_t end) const;

  std::string_view text_;
  const char* p_;
  ValueStructure& out_;
  Sink* sink_;
  bool too_deep_ = false;  // a level passed to sink_ was
  std::vector<Open>& kept_;  // stack_'s storage
  Open* stack_ = nullptr;     // kept_.data(), held here so that a level is one load away
  std::size_t capacity_ = 0;  // kept_.size()
  std::size_t items_ = 0;  // the items recorded in out_.items
  StructureItem* item_slots_ = out_.items.data();  // held as stack_ is
  std::size_t item_capacity_ = out_.items.size();
  Packed state_ = 0;
  std::size_t open_ = 1;  // the open levels: stack_[0, open_); stack_ only grows
  std::uint32_t deepest_ = 1;
};

template <class Coding, class Sink>
std::expected<void, ParseFailure> Scanner<Coding, Sink>::run() {
  out_.levels.clear();
  if (kept_.empty()) kept_.resize(16);
  stack_ = kept_.data();
  capacity_ = kept_.size();
  const std::size_t end = text_.size() - 1;
  const bool document = text_[0] == '{';
  stack_[0] = Open{document ? Coding::kInKey : 0, 0, document ? 1u : 0u, 0, 1, end, 0, 0, 0, 0, 0,
                   0, 1, document};
  StructuralCursor cursor(text_.substr(0, end));
  cursor.for_each(1, [&](std::size_t at, char byte, std::uint32_t quoted) {
    // The quote flag is the cursor's; state_ holds the depths alone.
    const Packed state = state_ | quoted;
    // By falling frequency: commas are most of the marks, and a chain tests
    // them first where a switch would not.
    if (byte == ',') [[likely]] {
      split(at, state);
    } else if (byte == ':') {
      if (Open& top = stack_[open_ - 1]; top.base == Coding::kInKey) {
        top.colon = at;
        top.value = at + 1;
        top.base = state;
      }
    } else {
      // "[", "]", "{" and "}" are 0x5B, 0x5D, 0x7B and 0x7D: the bit 0x20
      // tells a brace and 0x04 a close, so the kind costs one test, not three.
      const bool brace = (byte & 0x20) != 0;
      const Packed step = brace ? Coding::kBrace : Coding::kBracket;
      if (byte & 0x04) {
        state_ -= step;
      } else {
        state_ += step;
        open_level(at, brace, state + step);
      }
    }
  });
  const Nested nested = open_ == 1 ? Nested{} : end_nested(0, end);
  end_last_item(stack_[0], end, nested);
  finish(stack_[0]);
  // Scratch beyond this many levels or items is given back.
  constexpr std::size_t kKept = 4096;
  if (kept_.size() > kKept) std::vector<Open>().swap(kept_);
  if (too_deep_ || has_too_deep_level()) return std::unexpected(ParseFailure::kTooDeep);
  return {};
}

template <class Coding, class Sink>
bool Scanner<Coding, Sink>::has_too_deep_level() const {
  if (deepest_ <= kMaxNestingDepth) return false;
  for (const StructureLevel& level : out_.levels) {
    if (level.depth > kMaxNestingDepth) return true;
  }
  return false;
}

template <class Coding, class Sink>
void Scanner<Coding, Sink>::pass_on(TextSpan key) {
  Open& top = stack_[0];
  ++top.item_count;
  // The item's levels are all the scan holds beside the top level.
  if (has_too_deep_level()) {
    too_deep_ = true;
  } else if (!too_deep_) {
    ++top.nested;
    sink_->nested(key, out_);
  }
  out_.levels.clear();
  items_ = 0;
}

template <class Coding, class Sink>
void Scanner<Coding, Sink>::open_level(std::size_t at, bool document, Packed state) {
  if (open_ == capacity_) grow_stack();  // before `top` is taken
  const Open& top = stack_[open_ - 1];
  if (top.base == Coding::kInKey || top.depth > kMaxNestingDepth) return;
  if (at != top.value && !only_whitespace(top.value, at)) return;
  const std::uint32_t depth = top.depth + 1;
  if (depth > deepest_) deepest_ = depth;
  stack_[open_] = Open{document ? Coding::kInKey : state, at, document ? at + 1 : 0, 0, at + 1,
                       0, 0, 0, 0, out_.levels.size(), items_, 0, depth, document};
  ++open_;
}

template <class Coding, class Sink>
inline void Scanner<Coding, Sink>::split(std::size_t comma, Packed state) {
  std::size_t k = 0;
  const std::size_t open = open_;
  while (stack_[k].base != state) {
    if (++k == open) return;
  }
  const Nested nested = k + 1 == open ? Nested{} : end_nested(k, comma);
  Open& level = stack_[k];
  const TextSpan key{level.key, level.colon};  // an array's is empty: both are 0
  add_item(level, key, {level.value, comma}, nested.kind, nested.level);
  // An item ended by a splitting comma always counts.
  level.value = comma + 1;
  if (level.document) {
    level.key = comma + 1;
    level.base = Coding::kInKey;
  }
}

template <class Coding, class Sink>
Nested Scanner<Coding, Sink>::end_nested(std::size_t k, std::size_t end) {
  // Outward in: each level is one if its item's trimmed text ends with its
  // close; its inner text ends there, and so does its own last item.
  std::size_t valid = k;
  const std::size_t open = open_;
  for (std::size_t j = k + 1; j < open; ++j) {
    Open& level = stack_[j];
    const std::string_view item = trim_whitespace(TextSpan{level.open_at, end}.of(text_));
    if (item.size() < 2 || item.back() != (level.document ? '}' : ']')) break;
    if (level.document && parse_uuid(item)) break;
    level.end = end = level.open_at + item.size() - 1;
    valid = j;
  }
  if (valid + 1 < open) {
    const Open& dropped = stack_[valid + 1];
    out_.levels.resize(dropped.level_mark);
    items_ = dropped.item_mark;
  }
  open_ = k + 1;
  Nested nested;
  for (std::size_t j = valid; j > k; --j) {
    Open& level = stack_[j];
    end_last_item(level, level.end, nested);
    nested = {level.document ? ItemKind::kDocument : ItemKind::kArray, finish(level),
              level.level_mark, level.item_mark};
  }
  return nested;
}

template <class Coding, class Sink>
void Scanner<Coding, Sink>::end_last_item(Open& level, std::size_t end, const Nested& nested) {
  if (!level.document) {
    // An empty last item adds nothing: a trailing comma adds no item.
    if (level.value < end) add_item(level, {}, {level.value, end}, nested.kind, nested.level);
    return;
  }
  if (level.base == Coding::kInKey) {
    if (level.key < end) add_item(level, {level.key, end}, {end, end}, ItemKind::kDropped, kNoLevel);
    return;
  }
  // The last pair counts only when its key and value texts are not empty.
  if (level.colon > level.key && level.colon + 1 < end) {
    add_item(level, {level.key, level.colon}, {level.value, end}, nested.kind, nested.level);
    return;
  }
  if (nested.level != kNoLevel) {  // never read, so never too deep either
    out_.levels.resize(nested.level_mark);
    items_ = nested.item_mark;
  }
  add_item(level, {level.key, level.colon}, {level.value, end}, ItemKind::kDropped, kNoLevel);
}

template <class Coding, class Sink>
std::uint32_t Scanner<Coding, Sink>::finish(const Open& level) {
  out_.levels.push_back({level.document, level.depth, {level.open_at + 1, level.end},
                         level.first_item, level.item_count, level.nested});
  return static_cast<std::uint32_t>(out_.levels.size() - 1);
}

template <class Coding, class Sink>
inline void Scanner<Coding, Sink>::add_item(Open& level, TextSpan key, TextSpan value,
                                            ItemKind kind, std::uint32_t nested) {
  if (!std::is_same_v<Sink, NoSink> && level.depth == 1) {
    if (kind == ItemKind::kScalar) {
      ++level.item_count;
      sink_->scalar(key, value);
    } else if (kind != ItemKind::kDropped) {
      pass_on(key);
    }
    return;
  }
  if (items_ == item_capacity_) grow_items();
  // Where the new item is linked from: the level itself, or its last item.
  std::size_t* const link =
      level.item_count++ == 0 ? &level.first_item : &item_slots_[level.last_item].next;
  *link = items_;
  item_slots_[items_] = {key, value, 0, nested, kind};
  level.last_item = items_++;
  level.nested += nested != kNoLevel;
}

template <class Coding, class Sink>
void Scanner<Coding, Sink>::grow_stack() {
  kept_.resize(2 * capacity_);
  stack_ = kept_.data();
  capacity_ = kept_.size();
}

template <class Coding, class Sink>
void Scanner<Coding, Sink>::grow_items() {
  out_.items.resize(out_.items.empty() ? 64 : 2 * out_.items.size());
  item_slots_ = out_.items.data();
  item_capacity_ = out_.items.size();
}

template <class Coding, class Sink>
bool Scanner<Coding, Sink>::only_whitespace(std::size_t begin, std::size_t end) const {
  if (end - begin == 1 && p_[begin] == ' ') return true;  // as after ", " or ": "
  return trim_whitespace(TextSpan{begin, end}.of(text_)).empty();
}

// The brace field of a 64-bit state holds texts of up to 2^30 bytes.
inline constexpr std::size_t kMaxNarrowText = std::size_t{1} << 30;

// Fills `out` as scan_value_structure does; with a `sink`, the top level's
// items go there instead, and `out` ends with the top level's record alone.
template <class Sink>
[[gnu::noinline]] std::expected<void, ParseFailure> scan_wide(std::string_view text,
                                                              ValueStructure& out, Sink* sink) {
  return Scanner<StateCoding<__int128, 64>, Sink>(text, out, sink).run();
}

template <class Sink>
std::expected<void, ParseFailure> scan(std::string_view text, ValueStructure& out, Sink* sink) {
  // The wide scan stays out of line: inline, its code would crowd the
  // narrow one's out of the instruction cache.
  if (text.size() > kMaxNarrowText) [[unlikely]] return scan_wide(text, out, sink);
  return Scanner<StateCoding<std::int64_t, 32>, Sink>(text, out, sink).run();
}

}  // namespace structure_scan
}  // namespace quorvane
