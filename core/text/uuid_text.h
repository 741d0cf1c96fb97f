// Reading a UUID from text. Four forms are accepted, hexadecimal digits in
// either letter case:
//   simple      32 digits
//   hyphenated  8-4-4-4-12 digits (36 characters)
//   braced      "{" hyphenated "}" (38 characters)
//   URN         "urn:uuid:" (lowercase only) then hyphenated (45 characters)
// Pure functions; safe to call from any thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/value/data_type.h"

namespace quorvane {

// Whether `size` is the length of one of the four forms.
constexpr bool is_uuid_text_length(std::size_t size) {
  return size == 32 || size == Id::kTextLength || size == Id::kTextLength + 2 ||
         size == Id::kTextLength + 9;
}

// parse_uuid past its length check.
// REQUIRES: is_uuid_text_length(text.size()).
std::optional<Id> parse_uuid_of_length(std::string_view text);

// The Id that `text` spells in one of the four forms, its bytes being the
// hexadecimal pairs in text order; nothing for any other text. No trimming.
// Inline so that a text of no form's length, as most words are, is turned
// away without a call.
inline std::optional<Id> parse_uuid(std::string_view text) {
  if (!is_uuid_text_length(text.size())) return std::nullopt;
  return parse_uuid_of_length(text);
}

}  // namespace quorvane
