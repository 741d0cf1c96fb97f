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

using Result = std::expected<DataType, ParseFailure>;

// Reads the containers nested in one inner text. Positions are offsets into
// that text; every container level gets the scan state at the start of its
// own inner text (or pair value), against which the index finds its commas.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text), index_(text) {}

  // The items of the array whose inner text is [begin, end).
  Result read_array(std::size_t begin, std::size_t end, ScanState base, std::size_t depth) const;

  // The pairs of the document whose inner text is [begin, end).
  Result read_document(std::size_t begin, std::size_t end, ScanState base,
                       std::size_t depth) const;

 private:
  // The value of the item text [begin, end), whose type is inferred; `state`
  // is the scan state at `begin`, and `depth` that of the enclosing container.
  Result read_item(std::size_t begin, std::size_t end, ScanState state, std::size_t depth) const;

  std::string_view text_;
  CommaIndex index_;
};

Result Reader::read_array(std::size_t begin, std::size_t end, ScanState base,
                          std::size_t depth) const {
  if (depth > kMaxNestingDepth) return std::unexpected(ParseFailure::kTooDeep);
  const std::span<const std::size_t> commas = index_.commas(base, begin, end);
  Array items;
  items.reserve(commas.size() + 1);
  std::size_t start = begin;
  for (const std::size_t comma : commas) {
    Result item = read_item(start, comma, base, depth);
    if (!item) return item;
    items.push_back(std::move(*item));
    start = comma + 1;
  }
  // A last piece is an item only when not empty: a trailing comma adds none.
  if (start < end) {
    Result item = read_item(start, end, base, depth);
    if (!item) return item;
    items.push_back(std::move(*item));
  }
  return DataType::array(std::move(items));
}

Result Reader::read_document(std::size_t begin, std::size_t end, ScanState base,
                             std::size_t depth) const {
  if (depth > kMaxNestingDepth) return std::unexpected(ParseFailure::kTooDeep);
  Document document;
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
    const std::span<const std::size_t> commas = index_.commas(value_base, value_begin, end);
    const bool at_comma = !commas.empty();
    const std::size_t value_end = at_comma ? commas.front() : end;
    // The last pair counts only when its key and value texts are not empty;
    // a pair ended by a comma always counts.
    if (!at_comma && (key.empty() || value_begin == value_end)) break;
    Result value = read_item(value_begin, value_end, value_base, depth);
    if (!value) return value;
    document.insert_or_assign(trim_whitespace(key), std::move(*value));
    if (!at_comma) break;
    pos = value_end + 1;
    state = value_base;
  }
  return DataType::document(std::move(document));
}

Result Reader::read_item(std::size_t begin, std::size_t end, ScanState state,
                         std::size_t depth) const {
  const std::string_view text = trim_whitespace(text_.substr(begin, end - begin));
  // Inference order: UUID, number, boolean, empty, array, document, text.
  if (const std::optional<Id> id = parse_uuid(text)) return DataType::id(*id);
  if (const std::optional<float> number = parse_number(text)) return DataType::number(*number);
  if (const std::optional<bool> flag = parse_boolean(text)) return DataType::boolean(*flag);
  if (text.size() >= 2) {
    const std::size_t inner_begin = static_cast<std::size_t>(text.data() - text_.data()) + 1;
    const std::size_t inner_end = inner_begin + text.size() - 2;
    const char open = text.front();
    const char close = text.back();
    if ((open == '[' && close == ']') || (open == '{' && close == '}')) {
      state.step(open);  // leading whitespace left the state as it was at `begin`
      return open == '[' ? read_array(inner_begin, inner_end, state, depth + 1)
                         : read_document(inner_begin, inner_end, state, depth + 1);
    }
  }
  return DataType::text(trim_quotes(text));
}

}  // namespace

std::expected<DataType, ParseFailure> read_container(std::string_view text) {
  assert(text.size() >= 2);
  const Reader reader(text.substr(1, text.size() - 2));
  const std::size_t inner_size = text.size() - 2;
  if (text.front() == '[') return reader.read_array(0, inner_size, ScanState{}, 1);
  return reader.read_document(0, inner_size, ScanState{}, 1);
}

}  // namespace quorvane
