// Building the Array or Document of a container text from its structure
// (value_structure.h), for parse_value. Safe to call from any thread (each
// thread reuses scratch space of its own).
#pragma once

#include <expected>
#include <string_view>

#include "core/text/value_parser.h"
#include "core/value/data_type.h"

namespace quorvane {

// The Array or Document that `text` spells. Builds the levels children
// first on an explicit stack of values, so that no call recurses per level.
// Fails only with ParseFailure::kTooDeep.
// REQUIRES: `text` is whitespace-trimmed and is "[...]" or "{...}".
std::expected<DataType, ParseFailure> read_container(std::string_view text);

}  // namespace quorvane
