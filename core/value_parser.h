// Reading values from their text form: type codes, type inference and the
// value text parser of the database file format.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/data_type.h"

namespace quorvane {

// Names a DataType variant in text form: the variant's index plus one
// (1 Id, 2 Text, 3 Number, 4 Boolean, 5 Array, 6 Document). Other codes name
// nothing.
using TypeCode = std::uint16_t;

// The code that the form of `text` suggests; always 1 to 6.
TypeCode infer_type(std::string_view text);

// The value that `text` spells under `code`, or nothing when the text does
// not fit the code's syntax or the code names no variant.
std::optional<DataType> parse_value(TypeCode code, std::string_view text);

}  // namespace quorvane
