// Entries that load, but not as their text seems to say: the loader drops
// a document item without a colon, keeps only the last of two pairs of one
// key, reads a bracket that does not balance as part of a text, leaves
// quotes inside a text when they do not close where the text seems to end,
// and reads a braced UUID without hyphens as an empty document. Each
// explanation names the value that is stored. Finding these never changes
// what the loader does. Pure functions; safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/value/data_type.h"
#include "core/text/value_parser.h"

namespace quorvane::check {

// The first quiet change of an entry whose value text `text` gave `value`
// under `code`, as an explanation that names the stored value; nothing
// when the value is what the text says. Looks into every level.
std::optional<std::string> explain_quiet_change(TypeCode code, std::string_view text,
                                                const DataType& value);

// `value` as a person reads it: texts in double quotes (not escaped),
// numbers as Python prints them, documents with their keys sorted.
std::string describe_value(const DataType& value);

}  // namespace quorvane::check
