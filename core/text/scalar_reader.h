// The value of one item of an array text, or of one pair value of a document
// text, that is no array or document text itself: its type is inferred from
// its form. Pure function; safe to call from any thread.
#pragma once

#include <string_view>

#include "core/value/data_type.h"

namespace quorvane {

// The Id, Number, Boolean or Text that `text` spells, tried in that order;
// a Text is quote-trimmed: the value of an item whose type infer_type gives.
// REQUIRES: `text` is whitespace-trimmed and neither "[...]" nor a "{...}"
// that is no braced UUID (those are containers).
[[gnu::noinline]] DataType read_scalar(std::string_view text);

}  // namespace quorvane
