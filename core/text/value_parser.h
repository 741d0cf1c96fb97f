// Reading values from their text form: type codes, type inference and the
// value text parser of the database file format. Pure functions; safe to call
// from any thread.
//
// Array and document texts are split into items by scanning for commas
// outside quotes, brackets and braces; the item texts carry no type code, and
// each item's type is inferred from its own text. Parsing takes time linear in
// the text's length and recursion depth bounded by kMaxNestingDepth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string_view>

#include "core/value/data_type.h"

namespace quorvane {

// Names a DataType variant in text form: the variant's index plus one
// (1 Id, 2 Text, 3 Number, 4 Boolean, 5 Array, 6 Document). Other codes name
// nothing.
using TypeCode = std::uint16_t;

inline constexpr TypeCode kIdCode = 1;
inline constexpr TypeCode kTextCode = 2;
inline constexpr TypeCode kNumberCode = 3;
inline constexpr TypeCode kBooleanCode = 4;
inline constexpr TypeCode kArrayCode = 5;
inline constexpr TypeCode kDocumentCode = 6;

// The deepest nesting of arrays and documents that a value text may have: an
// array or document holding a scalar has depth 1. A deeper text yields no
// value, so that neither parsing nor later copying and destroying the value
// (which recurse once per level) can exhaust the stack.
inline constexpr std::size_t kMaxNestingDepth = 512;

// Why a value text yielded no value.
enum class ParseFailure : std::uint8_t {
  kNoVariant,  // The type code names no variant.
  kSyntax,     // The text does not fit the syntax of the code's variant.
  kTooDeep,    // Arrays and documents nest deeper than kMaxNestingDepth.
};

// The code that the form of `text` suggests; always 1 to 6. The text is
// whitespace-trimmed first; then the first of these that holds decides: a
// UUID, a number, "true" or "false" in any case, empty (Text), "[...]"
// (Array), "{...}" (Document); anything else is Text.
TypeCode infer_type(std::string_view text);

// The value that `text` spells under `code`, or the reason there is none.
// The text is whitespace-trimmed first. Text never fails (outer double
// quotes are trimmed too); Array and Document need "[...]" and "{...}".
std::expected<DataType, ParseFailure> parse_value_or_failure(TypeCode code, std::string_view text);

// parse_value_or_failure without the reason.
std::optional<DataType> parse_value(TypeCode code, std::string_view text);

// parse_boolean's first byte's and length's check: false turns `text` away.
constexpr bool may_be_boolean(std::string_view text) {
  const char lowered_first = text.empty() ? '\0' : static_cast<char>(text.front() | 0x20);
  return (lowered_first == 't' && text.size() == 4) || (lowered_first == 'f' && text.size() == 5);
}

// parse_boolean past its first byte's and length's check.
// REQUIRES: may_be_boolean(text).
std::optional<bool> parse_boolean_word(std::string_view text);

// "true" or "false" in any ASCII letter case; nothing for any other text.
// Inline so that most texts are turned away without a call.
inline std::optional<bool> parse_boolean(std::string_view text) {
  if (!may_be_boolean(text)) return std::nullopt;
  return parse_boolean_word(text);
}

}  // namespace quorvane
