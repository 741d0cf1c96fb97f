// A plain rendering of the value text rules, for differential tests and
// fuzzing of the value parser: it splits array and document texts by
// rescanning every piece, level by level, exactly as the rules are written,
// and infers each item's type afresh. Slow (quadratic in the nesting depth)
// but simple enough to check by reading. It never calls the production value
// parser or container reader; scalars use the production readers of UUIDs,
// numbers and booleans, which have tests of their own.
#pragma once

#include <cstddef>
#include <expected>
#include <string_view>

#include "core/value/data_type.h"
#include "core/text/value_parser.h"

namespace quorvane::reference {

TypeCode reference_infer_type(std::string_view text);

// parse_value_or_failure by the written rules; `depth` is the nesting depth
// of the container that holds `text` (0 at the top).
std::expected<DataType, ParseFailure> reference_parse_value(TypeCode code, std::string_view text,
                                                            std::size_t depth = 0);

}  // namespace quorvane::reference
