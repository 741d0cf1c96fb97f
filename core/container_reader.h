// Reading array and document texts: splitting them into items and pairs and
// parsing each item with its inferred type, to a bounded depth. Pure
// function; safe to call from any thread.
#pragma once

#include <expected>
#include <string_view>

#include "core/data_type.h"
#include "core/value_parser.h"

namespace quorvane {

// The Array or Document that `text` spells.
// REQUIRES: `text` is whitespace-trimmed and is "[...]" or "{...}" (it begins
// with "[" and ends with "]", or begins with "{" and ends with "}").
// Fails only with ParseFailure::kTooDeep.
std::expected<DataType, ParseFailure> read_container(std::string_view text);

}  // namespace quorvane
