// Reading the array and document texts of real files in one pass: each level
// builds its items as it scans its text, and a nested array or document is
// read where its item starts, so that every byte is scanned once (the
// level-by-level reading of container_reader.cc scans a byte once per level
// above it, and lists each level's pieces before reading them).
//
// It takes only shapes for which its result is sure to equal that of the
// level-by-level reading, and gives up on the whole text at the first thing
// it does not take (see one_pass_reader.cc for which, and why the rest reads
// alike). Safe to call from any thread (each thread reuses scratch space of
// its own).
#pragma once

#include <optional>
#include <string_view>

#include "core/value/data_type.h"

namespace quorvane {

// The Array or Document that `text` spells, exactly as read_container reads
// it; or nothing when this reader gives up on `text`. It gives up well before
// the nesting depth could reach kMaxNestingDepth, so a value is never too deep.
// REQUIRES: `text` is whitespace-trimmed and is "[...]" or "{...}".
std::optional<DataType> read_common_container(std::string_view text);

}  // namespace quorvane
