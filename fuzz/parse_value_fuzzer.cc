// Fuzzes the value text parser. The first input byte picks the type code
// (every code that names a variant, and some that name none); the rest is the
// value text, handed over as an exact-size heap copy.
//
// Checks: a code outside 1..6 never yields a value; a value has the variant
// its code names, nests no deeper than kMaxNestingDepth and (for UTF-8 input)
// holds only UTF-8 texts and keys; numbers agree with strtof; an Id's text
// form reads back as the same Id; inference always gives 1..6, and the
// inferred code parses the text (failing only on too deep nesting); parsing
// is deterministic and deep copies compare alike; and inference and parsing agree with a plain rendering of the rules
// (reference_parser.h).
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/text/value_parser.h"
#include "fuzz/fuzz_support.h"
#include "tests/test_support/reference_parser.h"

namespace quorvane::fuzz {
namespace {

// The reference parser rescans every level; longer texts would slow the run.
constexpr std::size_t kReferenceMaxLength = 1500;

constexpr std::array<TypeCode, 12> kCodes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 255, 256, 65535};

bool names_variant(TypeCode code) {
  return code >= kIdCode && code <= kDocumentCode;
}

void check_number(std::string_view trimmed, float number) {
  const std::string copy(trimmed);
  const float expected = std::strtof(copy.c_str(), nullptr);
  if (std::isnan(expected)) {
    require(std::isnan(number), "number differs from strtof (NaN)");
  } else {
    require(std::memcmp(&expected, &number, sizeof number) == 0, "number differs from strtof");
  }
}

void check_value(TypeCode code, std::string_view text, const DataType& value, bool utf8) {
  require(static_cast<TypeCode>(value.kind()) + 1 == code,
          "value of another variant than its code");
  check_parsed_value(value, utf8);
  const std::string_view trimmed = trim_whitespace(text);
  switch (value.kind()) {
    case DataType::Kind::kId:
      require(parse_uuid(value.as_id().text()) == value.as_id(), "Id text form does not read back");
      break;
    case DataType::Kind::kText:
      require(value.as_text() == trim_quotes(trimmed), "Text is not the quote-trimmed text");
      break;
    case DataType::Kind::kNumber:
      check_number(trimmed, value.as_number());
      break;
    case DataType::Kind::kBoolean:
      require(parse_boolean(trimmed) == value.as_boolean(), "Boolean differs from its word");
      break;
    default:
      require(trimmed.size() >= 2, "container from a text shorter than its brackets");
      break;
  }
}

void check_inference(std::string_view text, bool utf8) {
  const TypeCode inferred = infer_type(text);
  require(names_variant(inferred), "inferred code outside 1..6");
  const std::expected<DataType, ParseFailure> value = parse_value_or_failure(inferred, text);
  if (value) {
    check_value(inferred, text, *value, utf8);
  } else {
    require(value.error() == ParseFailure::kTooDeep, "inferred code fails to parse its text");
    require(inferred == kArrayCode || inferred == kDocumentCode, "too deep for a scalar");
  }
}

}  // namespace
}  // namespace quorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzz;
  using namespace quorvane::reference;
  if (size == 0) return 0;
  const TypeCode code = kCodes[data[0] % kCodes.size()];
  const ExactCopy input(data + 1, size - 1);
  const std::string_view text = input.view();
  const bool utf8 = is_valid_utf8(text);

  const std::expected<DataType, ParseFailure> value = parse_value_or_failure(code, text);
  if (!names_variant(code)) {
    require(!value && value.error() == ParseFailure::kNoVariant, "a code naming nothing parsed");
  } else if (value) {
    check_value(code, text, *value, utf8);
    const DataType copy = *value;
    require(same_value(copy, *value), "a deep copy differs from its source");
    const std::optional<DataType> again = parse_value(code, text);
    require(again && same_value(*again, *value), "parsing is not deterministic");
  } else {
    const bool container = code == kArrayCode || code == kDocumentCode;
    require(value.error() != ParseFailure::kNoVariant, "a variant's code reported as none");
    require(value.error() != ParseFailure::kTooDeep || container, "too deep for a scalar");
    require(code != kTextCode, "a Text failed to parse");
  }
  check_inference(text, utf8);

  require(infer_type(text) == reference_infer_type(text), "inference differs from the rules");
  if (text.size() > kReferenceMaxLength) return 0;
  const std::expected<DataType, ParseFailure> expected = reference_parse_value(code, text);
  require(expected.has_value() == value.has_value(), "success differs from the rules");
  if (value) {
    require(same_value(*value, *expected), "value differs from the rules");
  } else {
    require(value.error() == expected.error(), "failure differs from the rules");
  }
  return 0;
}
