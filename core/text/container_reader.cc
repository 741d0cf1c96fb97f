#include "core/text/container_reader.h"

#include <cassert>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/text/comma_scan.h"
#include "core/text/one_pass_reader.h"
#include "core/text/scalar_reader.h"
#include "core/value/document.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"

namespace quorvane {
namespace {

// "[...]" or "{...}", but not a braced UUID (which inference reads first).
bool is_container_text(std::string_view text) {
  if (text.size() < 2) return false;
  if (text.front() == '[') return text.back() == ']';
  return text.front() == '{' && text.back() == '}' && !parse_uuid(text);
}

// Out-of-line steps of the recursive readers below, so that their code (and
// locals, in instrumented builds) stays out of the recursive frames.
[[gnu::noinline]] Array& make_array(DataType& out, std::size_t capacity) {
  out = DataType::array({});
  out.as_array().reserve(capacity);
  return out.as_array();
}

[[gnu::noinline]] DataType& append_item(Array& items) {
  return items.emplace_back();
}

[[gnu::noinline]] Document& make_document(DataType& out, std::size_t capacity) {
  out = DataType::document({});
  out.as_document().reserve(capacity);
  return out.as_document();
}

[[gnu::noinline]] void store_pair(Document& document, std::string_view key, DataType& value) {
  document.insert_or_assign(trim_whitespace(key), std::move(value));
}

enum class Outcome : std::uint8_t { kRead, kTooDeep, kExhausted };

// One item of an array, or one pair of a document: the value text
// [begin, end), the scan state at `begin`, and for a pair its key text
// [key_begin, key_end).
template <class State>
struct Piece {
  std::size_t key_begin;
  std::size_t key_end;
  std::size_t begin;
  std::size_t end;
  [[no_unique_address]] State state;
};

// Reads the containers nested in one inner text, finding splitting commas
// with a Finder of comma_scan.h. Positions are offsets into that text. Each
// level first lists its pieces on a stack shared by all levels (so that it
// knows how many there are), then reads them, recursing once per level; the
// frames of that recursion are kept small.
template <class Finder>
class Reader {
 public:
  using State = typename Finder::State;
  using Pieces = std::vector<Piece<State>>;

  Reader(std::string_view text, Finder& finder, Pieces& pieces)
      : text_(text), finder_(finder), pieces_(pieces) {}

  // The array whose inner text is [begin, end), with `base` the state at
  // `begin` and `depth` its own depth.
  Outcome read_array(std::size_t begin, std::size_t end, State base, std::size_t depth,
                     DataType& out);

  // The document whose inner text is [begin, end).
  Outcome read_document(std::size_t begin, std::size_t end, State base, std::size_t depth,
                        DataType& out);

 private:
  // The value of the item text [begin, end), whose type is inferred; `state`
  // is the scan state at `begin`, and `depth` that of the enclosing container.
  Outcome read_item(std::size_t begin, std::size_t end, State state, std::size_t depth,
                    DataType& out);

  // Push the pieces of one level; false when the finder gives up.
  bool list_items(std::size_t begin, std::size_t end, const State& base);
  bool list_pairs(std::size_t begin, std::size_t end, const State& base);

  std::string_view text_;
  Finder& finder_;
  Pieces& pieces_;
};

template <class Finder>
bool Reader<Finder>::list_items(std::size_t begin, std::size_t end, const State& base) {
  // Every item starts after a splitting comma, where the state is `base`.
  std::size_t start = begin;
  const bool listed = finder_.for_each_comma(base, begin, end, [&](std::size_t comma) {
    pieces_.push_back({0, 0, start, comma, base});
    start = comma + 1;
  });
  // A last piece is an item only when not empty: a trailing comma adds none.
  if (listed && start < end) pieces_.push_back({0, 0, start, end, base});
  return listed;
}

template <class Finder>
bool Reader<Finder>::list_pairs(std::size_t begin, std::size_t end, const State& base) {
  return finder_.for_each_pair(
      base, begin, end,
      [&](std::size_t key_begin, std::size_t colon, std::size_t value_end, const State& state) {
        // The last pair counts only when its key and value texts are not
        // empty; a pair ended by a comma always counts.
        if (value_end < end || (colon > key_begin && colon + 1 < end)) {
          pieces_.push_back({key_begin, colon, colon + 1, value_end, state});
        }
      });
}

template <class Finder>
Outcome Reader<Finder>::read_array(std::size_t begin, std::size_t end, State base,
                                   std::size_t depth, DataType& out) {
  if (depth > kMaxNestingDepth) return Outcome::kTooDeep;
  const std::size_t first = pieces_.size();
  if (!list_items(begin, end, base)) return Outcome::kExhausted;
  const std::size_t last = pieces_.size();
  Array& items = make_array(out, last - first);
  for (std::size_t k = first; k < last; ++k) {
    const Outcome outcome =
        read_item(pieces_[k].begin, pieces_[k].end, pieces_[k].state, depth, append_item(items));
    if (outcome != Outcome::kRead) return outcome;
  }
  pieces_.resize(first);
  return Outcome::kRead;
}

template <class Finder>
Outcome Reader<Finder>::read_document(std::size_t begin, std::size_t end, State base,
                                      std::size_t depth, DataType& out) {
  if (depth > kMaxNestingDepth) return Outcome::kTooDeep;
  const std::size_t first = pieces_.size();
  if (!list_pairs(begin, end, base)) return Outcome::kExhausted;
  const std::size_t last = pieces_.size();
  Document& document = make_document(out, last - first);
  DataType value;
  for (std::size_t k = first; k < last; ++k) {
    const Outcome outcome =
        read_item(pieces_[k].begin, pieces_[k].end, pieces_[k].state, depth, value);
    if (outcome != Outcome::kRead) return outcome;
    const Piece<State>& pair = pieces_[k];  // the stack may have moved meanwhile
    store_pair(document, text_.substr(pair.key_begin, pair.key_end - pair.key_begin), value);
  }
  document.shrink_to_fit();  // sized for every pair, but a key given again adds none
  pieces_.resize(first);
  return Outcome::kRead;
}

template <class Finder>
Outcome Reader<Finder>::read_item(std::size_t begin, std::size_t end, State state,
                                  std::size_t depth, DataType& out) {
  const std::string_view text = trim_whitespace(text_.substr(begin, end - begin));
  if (!is_container_text(text)) {
    out = read_scalar(text);
    return Outcome::kRead;
  }
  const std::size_t inner_begin = static_cast<std::size_t>(text.data() - text_.data()) + 1;
  const std::size_t inner_end = inner_begin + text.size() - 2;
  state.step(text.front());  // leading whitespace left the state as it was at `begin`
  if (text.front() == '[') return read_array(inner_begin, inner_end, state, depth + 1, out);
  return read_document(inner_begin, inner_end, state, depth + 1, out);
}

// Scratch stacks larger than this many pieces are given back after use.
constexpr std::size_t kKeptPieces = 4096;

// Reads the container `text` into `out` with `finder` over its inner text.
template <class Finder>
Outcome read_with(std::string_view text, Finder& finder, DataType& out) {
  using State = typename Finder::State;
  // Reused from call to call, so that reading allocates no scratch space.
  thread_local std::vector<Piece<State>> pieces;
  pieces.clear();
  const std::size_t inner_size = text.size() - 2;
  Reader<Finder> reader(text.substr(1, inner_size), finder, pieces);
  const Outcome outcome = text.front() == '['
                              ? reader.read_array(0, inner_size, State{}, 1, out)
                              : reader.read_document(0, inner_size, State{}, 1, out);
  if (pieces.capacity() > kKeptPieces) std::vector<Piece<State>>().swap(pieces);
  return outcome;
}

// Direct scans may read this many times the text's length (plus a little)
// before the reader turns to the index. In real values most bytes lie one
// or two levels deep, which direct scans read once or twice.
constexpr std::size_t kBudgetPerByte = 2;
constexpr std::size_t kBudgetBase = 4096;

}  // namespace

std::expected<DataType, ParseFailure> read_container(std::string_view text,
                                                     std::size_t direct_scan_budget) {
  assert(text.size() >= 2);
  const std::string_view inner = text.substr(1, text.size() - 2);
  DataType value;
  DirectCommas direct(inner, direct_scan_budget);
  Outcome outcome = read_with(text, direct, value);
  if (outcome == Outcome::kExhausted) {
    IndexedCommas indexed(inner);
    outcome = read_with(text, indexed, value);
  }
  assert(outcome != Outcome::kExhausted);
  if (outcome == Outcome::kTooDeep) return std::unexpected(ParseFailure::kTooDeep);
  return value;
}

std::expected<DataType, ParseFailure> read_container(std::string_view text) {
  if (std::optional<DataType> value = read_common_container(text)) return std::move(*value);
  return read_container(text, kBudgetPerByte * text.size() + kBudgetBase);
}

}  // namespace quorvane
