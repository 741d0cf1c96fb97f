#include "core/text/value_parser.h"

#include <cstdint>
#include <cstring>

#include "core/text/value_builder.h"
#include "core/text/number_parser.h"
#include "core/text/scalar_reader.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"

namespace quorvane {
namespace {

bool is_enclosed(std::string_view text, char open, char close) {
  return text.size() >= 2 && text.front() == open && text.back() == close;
}

}  // namespace

std::optional<bool> parse_boolean_word(std::string_view text) {
  // Every letter of both words has the bit 0x20, and a byte with that bit
  // set equals such a letter only if it was that letter in either case: so
  // four bytes compare at once, in any byte order.
  auto lowered_word = [](const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word | 0x20202020u;
  };
  static constexpr char kTrue[] = "true";
  static constexpr char kFalse[] = "false";
  if (text.size() == 4) {
    if (lowered_word(text.data()) == lowered_word(kTrue)) return true;
  } else if (text.size() == 5 && (text[0] | 0x20) == 'f') {
    if (lowered_word(text.data() + 1) == lowered_word(kFalse + 1)) return false;
  }
  return std::nullopt;
}

namespace {

// The type codes of visit_scalar's classes; a text that classes as text
// may still be a container text.
struct ScalarCode {
  TypeCode operator()(const Id&) const { return kIdCode; }
  TypeCode operator()(float) const { return kNumberCode; }
  TypeCode operator()(bool) const { return kBooleanCode; }
  TypeCode operator()(std::string_view text) const {
    if (is_enclosed(text, '[', ']')) return kArrayCode;
    if (is_enclosed(text, '{', '}')) return kDocumentCode;
    return kTextCode;
  }
};

}  // namespace

TypeCode infer_type(std::string_view text) {
  return visit_scalar(trim_whitespace(text), ScalarCode{});
}

std::expected<DataType, ParseFailure> parse_value_or_failure(TypeCode code, std::string_view text) {
  text = trim_whitespace(text);
  const auto syntax_error = std::unexpected(ParseFailure::kSyntax);
  switch (code) {
    case kIdCode:
      if (const std::optional<Id> id = parse_uuid(text)) return DataType::id(*id);
      return syntax_error;
    case kTextCode:
      return DataType::text(trim_quotes(text));
    case kNumberCode:
      if (const std::optional<float> number = parse_number(text)) return DataType::number(*number);
      return syntax_error;
    case kBooleanCode:
      if (const std::optional<bool> flag = parse_boolean(text)) return DataType::boolean(*flag);
      return syntax_error;
    case kArrayCode:
      if (!is_enclosed(text, '[', ']')) return syntax_error;
      return read_container(text);
    case kDocumentCode:
      if (!is_enclosed(text, '{', '}')) return syntax_error;
      return read_container(text);
    default:
      return std::unexpected(ParseFailure::kNoVariant);
  }
}

std::optional<DataType> parse_value(TypeCode code, std::string_view text) {
  std::expected<DataType, ParseFailure> value = parse_value_or_failure(code, text);
  if (!value) return std::nullopt;
  return std::move(*value);
}

}  // namespace quorvane
