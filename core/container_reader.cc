#include "core/container_reader.h"

#include <cassert>
#include <utility>

#include "core/comma_index.h"
#include "core/document.h"
#include "core/number_parser.h"
#include "core/text.h"
#include "core/uuid_text.h"

namespace quorvane {
namespace {

// The value of a trimmed item text that is no array or document text. Kept
// out of line so that its locals stay out of the recursive frames.
[[gnu::noinline]] DataType read_scalar(std::string_view text) {
  // Inference order: UUID, number, boolean, then text (empty or not).
  if (const std::optional<Id> id = parse_uuid(text)) return DataType::id(*id);
  if (const std::optional<float> number = parse_number(text)) return DataType::number(*number);
  if (const std::optional<bool> flag = parse_boolean(text)) return DataType::boolean(*flag);
  return DataType::text(trim_quotes(text));
}

// "[...]" or "{...}", but not a braced UUID (which inference reads first).
[[gnu::noinline]] bool is_container_text(std::string_view text) {
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

[[gnu::noinline]] Document& make_document(DataType& out) {
  out = DataType::document({});
  return out.as_document();
}

[[gnu::noinline]] void store_pair(Document& document, std::string_view key, DataType& value) {
  document.insert_or_assign(trim_whitespace(key), std::move(value));
}

// Reads the containers nested in one inner text. Positions are offsets into
// that text; every container level gets the scan state at the start of its
// own inner text (or pair value), against which the index finds its commas.
// The read functions store into `out` and return false, with `too_deep_`
// set, when the nesting exceeds kMaxNestingDepth. They recurse once per
// level, so their frames are kept small.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text), index_(text) {}

  // The items of the array whose inner text is [begin, end).
  bool read_array(std::size_t begin, std::size_t end, ScanState base, std::size_t depth,
                  DataType& out);

  // The pairs of the document whose inner text is [begin, end).
  bool read_document(std::size_t begin, std::size_t end, ScanState base, std::size_t depth,
                     DataType& out);

  bool too_deep() const { return too_deep_; }

 private:
  // The value of the item text [begin, end), whose type is inferred; `state`
  // is the scan state at `begin`, and `depth` that of the enclosing container.
  bool read_item(std::size_t begin, std::size_t end, ScanState state, std::size_t depth,
                 DataType& out);

  std::string_view text_;
  CommaIndex index_;
  bool too_deep_ = false;
};

bool Reader::read_array(std::size_t begin, std::size_t end, ScanState base, std::size_t depth,
                        DataType& out) {
  if (depth > kMaxNestingDepth) {
    too_deep_ = true;
    return false;
  }
  const std::span<const std::size_t> commas = index_.commas(base, begin, end);
  Array& items = make_array(out, commas.size() + 1);
  std::size_t start = begin;
  for (const std::size_t comma : commas) {
    if (!read_item(start, comma, base, depth, append_item(items))) return false;
    start = comma + 1;
  }
  // A last piece is an item only when not empty: a trailing comma adds none.
  return start >= end || read_item(start, end, base, depth, append_item(items));
}

bool Reader::read_document(std::size_t begin, std::size_t end, ScanState base, std::size_t depth,
                           DataType& out) {
  if (depth > kMaxNestingDepth) {
    too_deep_ = true;
    return false;
  }
  Document& document = make_document(out);
  DataType value;
  std::size_t pos = begin;
  ScanState state = base;  // at `pos`
  while (pos < end) {
    // Key mode: everything up to the next ":" is key text.
    std::size_t colon = pos;
    while (colon < end && text_[colon] != ':') state.step(text_[colon++]);
    if (colon == end) break;  // a key without a value is dropped
    const std::string_view key = text_.substr(pos, colon - pos);
    // Value mode: the counters restart at the colon.
    const ScanState value_base = state;
    const std::size_t value_begin = colon + 1;
    const std::optional<std::size_t> comma = index_.first_comma(value_base, value_begin, end);
    const bool at_comma = comma.has_value();
    const std::size_t value_end = at_comma ? *comma : end;
    // The last pair counts only when its key and value texts are not empty;
    // a pair ended by a comma always counts.
    if (!at_comma && (key.empty() || value_begin == value_end)) break;
    if (!read_item(value_begin, value_end, value_base, depth, value)) return false;
    store_pair(document, key, value);
    if (!at_comma) break;
    pos = value_end + 1;
    state = value_base;
  }
  return true;
}

bool Reader::read_item(std::size_t begin, std::size_t end, ScanState state, std::size_t depth,
                       DataType& out) {
  const std::string_view text = trim_whitespace(text_.substr(begin, end - begin));
  if (!is_container_text(text)) {
    out = read_scalar(text);
    return true;
  }
  const std::size_t inner_begin = static_cast<std::size_t>(text.data() - text_.data()) + 1;
  const std::size_t inner_end = inner_begin + text.size() - 2;
  state.step(text.front());  // leading whitespace left the state as it was at `begin`
  if (text.front() == '[') return read_array(inner_begin, inner_end, state, depth + 1, out);
  return read_document(inner_begin, inner_end, state, depth + 1, out);
}

}  // namespace

std::expected<DataType, ParseFailure> read_container(std::string_view text) {
  assert(text.size() >= 2);
  const std::size_t inner_size = text.size() - 2;
  Reader reader(text.substr(1, inner_size));
  DataType value;
  const bool read = text.front() == '['
                        ? reader.read_array(0, inner_size, ScanState{}, 1, value)
                        : reader.read_document(0, inner_size, ScanState{}, 1, value);
  if (!read) {
    assert(reader.too_deep());
    return std::unexpected(ParseFailure::kTooDeep);
  }
  return value;
}

}  // namespace quorvane
