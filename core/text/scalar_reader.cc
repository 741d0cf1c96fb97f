#include "core/text/scalar_reader.h"

#include <array>
#include <optional>

#include "core/text/number_parser.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/text/value_parser.h"

namespace quorvane {
namespace {

// Whether a text that starts with `c` can only be a Text: no UUID starts so
// (only hexadecimal digits, "{" and "urn:"), no number (digits, signs, ".",
// "inf", "nan") and no boolean ("t", "f"), in any letter case.
constexpr std::array<bool, 256> kOnlyTextStarts = [] {
  std::array<bool, 256> only_text{};
  for (int c = 0x80; c < 0x100; ++c) only_text[c] = true;
  for (int c = 'g'; c <= 'z'; ++c) only_text[c] = only_text[c - 'a' + 'A'] = true;
  for (const char c : {'i', 'n', 't', 'u'}) only_text[c] = false;
  for (const char c : {'I', 'N', 'T'}) only_text[c] = false;
  only_text['"'] = true;
  return only_text;
}();

}  // namespace

DataType read_scalar(std::string_view text) {
  if (!text.empty() && kOnlyTextStarts[static_cast<unsigned char>(text.front())]) {
    return DataType::text(trim_quotes(text));
  }
  // Inference order: UUID, number, boolean, then text (empty or not).
  if (const std::optional<Id> id = parse_uuid(text)) return DataType::id(*id);
  if (const std::optional<float> number = parse_number(text)) return DataType::number(*number);
  if (const std::optional<bool> flag = parse_boolean(text)) return DataType::boolean(*flag);
  return DataType::text(trim_quotes(text));
}

}  // namespace quorvane
