#include "core/load/section_parser.h"

namespace quorvane {

std::expected<TypeCode, TypeCodeError> read_type_code(std::string_view field) {
  if (field.starts_with('+')) field.remove_prefix(1);
  if (field.empty()) return std::unexpected(TypeCodeError::kInvalidDigit);
  std::uint32_t value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::unexpected(TypeCodeError::kInvalidDigit);
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > 0xFFFF) return std::unexpected(TypeCodeError::kPosOverflow);
  }
  return static_cast<TypeCode>(value);
}

std::optional<Collection> parse_section(std::string_view text) {
  StdoutSink sink;
  return parse_section(text, sink);
}

}  // namespace quorvane
