// The entry splitting rule written out literally, for differential tests and
// fuzzing of split_entries: words first, then every joined field recounted
// after each word. Quadratic in the words of a joined field, and independent
// of the production code, down to its own table of White_Space characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::reference {

// The length of the White_Space character that `text` starts with, or 0.
std::size_t whitespace_length(std::string_view text);

// `text` without White_Space at either end.
std::string_view trim(std::string_view text);

// The words of `line`: its maximal runs of characters that are no White_Space.
std::vector<std::string> words(std::string_view line);

// The fields that the rule makes of `line`.
std::vector<std::string> split(std::string_view line);

}  // namespace quorvane::reference
