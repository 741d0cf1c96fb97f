// The structure of an array or document text: its levels, and the items and
// pairs of each as spans of the text, with what each became. The loader
// builds its values from it (parse_value) and the checker looks into it; both
// therefore see the one reading of a container text. A ValueStructure is a
// plain value; threads may share a const one.
//
// The rules, in one place (structure_scan.h applies them): a level's inner
// text is split at commas where a quote flag and the bracket and brace
// depths, counted from the start of the level's inner text (for a document,
// from each pair's colon), are all clear; a document's key runs to the first
// colon, whatever it holds. An item whose whitespace-trimmed text is "[...]",
// or "{...}" but no braced UUID, is a nested level with the text between
// those two bytes; any other item is a scalar whose type is inferred.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string_view>
#include <vector>

#include "core/text/value_parser.h"

namespace quorvane {

// Bytes [begin, end) of the value text.
struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;

  // Without substr's bounds check: a span is taken for every item.
  // REQUIRES: begin <= end <= text.size().
  std::string_view of(std::string_view text) const {
    assert(begin <= end && end <= text.size());
    return std::string_view(text.data() + begin, end - begin);
  }
};

// What an item or pair became.
enum class ItemKind : std::uint8_t {
  kScalar,    // an Id, Number, Boolean or Text inferred from the trimmed value text
  kArray,     // the nested level `level`
  kDocument,  // the nested level `level`
  kDropped,   // a document's last pair without a colon, or with an empty key or
              // value text: no pair is stored
};

// One item of an array level or one pair of a document level. `value` is
// the untrimmed text between the splitting commas (for a pair, after its
// colon); `key` is the untrimmed key text of a pair, empty for array items.
// A dropped pair without a colon has all its text in `key` and an empty
// `value` at the key's end.
struct StructureItem {
  TextSpan key;
  TextSpan value;
  std::size_t next = 0;     // index into ValueStructure::items of the level's next item
  std::uint32_t level = 0;  // index into ValueStructure::levels when nested
  ItemKind kind = ItemKind::kScalar;
};

struct StructureLevel {
  bool document = false;
  std::uint32_t depth = 1;  // the top level has depth 1
  TextSpan inner;           // between the opening and closing byte
  std::size_t first_item = 0;    // index into ValueStructure::items; the rest follow `next`
  std::size_t item_count = 0;
  std::size_t nested_count = 0;  // of those, the kArray and kDocument ones
};

// Levels are listed children first (each level after every level nested in
// it), so the top level is the last one. Items are kept in the order the
// scan meets their ends, each level's chained in text order; `items` may
// hold more than the levels use.
struct ValueStructure {
  std::vector<StructureLevel> levels;
  std::vector<StructureItem> items;

  const StructureLevel& top() const { return levels.back(); }
  // Calls visit(item) for each item of `level` in text order, until it
  // returns false; false if it did.
  template <class Visit>
  bool for_each_item(const StructureLevel& level, Visit&& visit) const {
    std::size_t k = level.first_item;
    for (std::size_t n = level.item_count; n > 0; --n, k = items[k].next) {
      if (!visit(items[k])) return false;
    }
    return true;
  }
};

// Fills `out` (its old contents dropped, its capacity reused) with the
// structure of `text`. Reads the text once, 16 bytes at a time, in time
// linear in its length and without recursion. Fails only with
// ParseFailure::kTooDeep, when levels nest deeper than kMaxNestingDepth;
// `out` is then unspecified.
// REQUIRES: `text` is whitespace-trimmed and is "[...]" or "{...}".
std::expected<void, ParseFailure> scan_value_structure(std::string_view text, ValueStructure& out);

}  // namespace quorvane
