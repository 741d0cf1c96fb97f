// Reading a UUID from text. Four forms are accepted, hexadecimal digits in
// either letter case:
//   simple      32 digits
//   hyphenated  8-4-4-4-12 digits (36 characters)
//   braced      "{" hyphenated "}" (38 characters)
//   URN         "urn:uuid:" (lowercase only) then hyphenated (45 characters)
// Pure functions; safe to call from any thread.
#pragma once

#include <optional>
#include <string_view>

#include "core/value/data_type.h"

namespace quorvane {

// The Id that `text` spells in one of the four forms, its bytes being the
// hexadecimal pairs in text order; nothing for any other text. No trimming.
std::optional<Id> parse_uuid(std::string_view text);

}  // namespace quorvane
