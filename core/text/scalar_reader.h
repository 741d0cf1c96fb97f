// The value of one item of an array text, or of one pair value of a document
// text, that is no array or document text itself: its type is inferred from
// its form. Pure functions; safe to call from any thread.
#pragma once

#include <optional>
#include <string_view>

#include "core/text/number_parser.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/text/value_parser.h"
#include "core/value/data_type.h"

namespace quorvane {

// The one rule of a scalar item's type: the first of the UUID, number and
// boolean readers that reads `text` decides, else it is a text. Calls
// visit(Id), visit(float), visit(bool) with what that reader read, or
// visit(std::string_view) with `text`, and returns what visit returns.
// read_scalar and infer_type both classify through it.
template <class Visit>
decltype(auto) visit_scalar(std::string_view text, Visit&& visit) {
  if (const std::optional<Id> id = parse_uuid(text)) return visit(*id);
  if (const std::optional<float> number = parse_number(text)) return visit(*number);
  if (const std::optional<bool> flag = parse_boolean(text)) return visit(*flag);
  return visit(text);
}

// True when one of visit_scalar's readers other than text's may read `text`:
// their own first checks, so a false is a text without calling them.
constexpr bool may_be_non_text(std::string_view text) {
  return is_uuid_text_length(text.size()) || may_start_number(text) || may_be_boolean(text);
}

// read_scalar for a text that may_be_non_text: out of line, so that the
// readers' registers are saved only on this way.
[[gnu::noinline]] DataType read_non_text_scalar(std::string_view text);

// The Id, Number, Boolean or Text that `text` spells (visit_scalar); a Text
// is quote-trimmed: the value of an item whose type infer_type gives.
// REQUIRES: `text` is whitespace-trimmed and neither "[...]" nor a "{...}"
// that is no braced UUID (those are containers).
inline DataType read_scalar(std::string_view text) {
  if (may_be_non_text(text)) return read_non_text_scalar(text);
  return DataType::text(trim_quotes(text));
}

}  // namespace quorvane
