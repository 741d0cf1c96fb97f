#include "core/text/scalar_reader.h"

#include <optional>

#include "core/text/number_parser.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/text/value_parser.h"

namespace quorvane {

DataType read_scalar(std::string_view text) {
  // The order of infer_type: UUID, number, boolean, then text (empty or
  // not). Each reader turns a text it cannot read away at its first bytes.
  if (const std::optional<Id> id = parse_uuid(text)) return DataType::id(*id);
  if (const std::optional<float> number = parse_number(text)) return DataType::number(*number);
  if (const std::optional<bool> flag = parse_boolean(text)) return DataType::boolean(*flag);
  return DataType::text(trim_quotes(text));
}

}  // namespace quorvane
