#include "core/value_parser.h"

namespace quorvane {

// Placeholder until the value text parser lands.
TypeCode infer_type(std::string_view) { return 2; }

std::optional<DataType> parse_value(TypeCode, std::string_view) { return std::nullopt; }

}  // namespace quorvane
