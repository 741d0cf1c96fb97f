// The splitting commas of array and document texts, found for every nesting
// level with one scan.
//
// The item splitter of a container tracks a quote flag, a bracket depth and a
// brace depth from the start of the container's inner text (or of a pair's
// value text), and splits at a comma where all three are zero. The counters
// change by the same steps at every level, so a level's counters are the
// differences between the scan state at a position and the scan state where
// that level started. A comma splits the level whose start state equals the
// comma's state. CommaIndex scans a text once and groups its commas by state,
// so that each level finds its splitting commas without rescanning the text;
// parsing nested texts thus stays linear in the text's length.
//
// Lookups move a cursor per group, so that the queries of one left-to-right
// parse cost little each. Not thread-safe: every parse owns its index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include <boost/unordered/unordered_flat_map.hpp>

namespace quorvane {

// Quote flag and depths, counted from the start of a scanned text.
struct ScanState {
  std::int64_t brackets = 0;
  std::int64_t braces = 0;
  bool quoted = false;

  // Applies the step of one character: a double quote flips the flag, and
  // "[", "]", "{", "}" move their depth; any other character changes nothing.
  void step(char c) {
    switch (c) {
      case '"':
        quoted = !quoted;
        break;
      case '[':
        ++brackets;
        break;
      case ']':
        --brackets;
        break;
      case '{':
        ++braces;
        break;
      case '}':
        --braces;
        break;
      default:
        break;
    }
  }

  friend bool operator==(const ScanState&, const ScanState&) = default;
};

struct ScanStateHash {
  std::size_t operator()(const ScanState& s) const noexcept;
};

class CommaIndex {
 public:
  // Scans `text` from the zero state at its first character. `text` need not
  // outlive the index: offsets are kept, not views.
  explicit CommaIndex(std::string_view text);

  // Offsets of the commas that the scan reached in `state`, ascending, from
  // the first at or after `from` up to (not including) `to`. Fastest when
  // the queries of each state come with nondecreasing `from`, as they do in
  // a depth-first parse from left to right; any order gives right answers.
  std::span<const std::size_t> commas(const ScanState& state, std::size_t from, std::size_t to);

  // The first of those commas, or nothing.
  std::optional<std::size_t> first_comma(const ScanState& state, std::size_t from, std::size_t to);

 private:
  // Position in offsets_ of the first comma of `state` at or after `from`,
  // and the end of that state's group (equal positions when there is none).
  std::pair<std::size_t, std::size_t> find_from(const ScanState& state, std::size_t from);
  // First position in [begin, end) of offsets_ whose offset is >= `offset`.
  std::size_t lower_bound(std::size_t begin, std::size_t end, std::size_t offset) const;
  // The same, searching outward from `begin` in growing steps.
  std::size_t gallop(std::size_t begin, std::size_t end, std::size_t offset) const;

  boost::unordered_flat_map<ScanState, std::uint32_t, ScanStateHash> group_of_;
  std::vector<std::size_t> offsets_;      // grouped by state, ascending in a group
  std::vector<std::size_t> group_begin_;  // group g is offsets_[begin[g], begin[g + 1])
  std::vector<std::size_t> cursor_;       // per group: where its last lookup ended
};

}  // namespace quorvane
