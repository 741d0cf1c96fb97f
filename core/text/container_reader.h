// Reading array and document texts: splitting them into items and pairs and
// parsing each item with its inferred type, to a bounded depth. Pure
// function; safe to call from any thread (each thread reuses scratch space of
// its own).
//
// The texts of real files are read in one pass (one_pass_reader.h). Any
// other text is read level by level, the reference reading of the rules,
// which the one-pass reader agrees with on everything it takes: each level
// of nesting scans its own text for its splitting commas, which is fastest
// for shallow values. Since a text nested d levels deep would be scanned d
// times, such scans stop after a budget of twice the text's length, and the
// text is then read again against an index of all its commas built in one
// scan (comma_index.h): the time stays linear in the text's length for any
// nesting.
#pragma once

#include <cstddef>
#include <expected>
#include <string_view>

#include "core/value/data_type.h"
#include "core/text/value_parser.h"

namespace quorvane {

// The Array or Document that `text` spells.
// REQUIRES: `text` is whitespace-trimmed and is "[...]" or "{...}" (it begins
// with "[" and ends with "]", or begins with "{" and ends with "}").
// Fails only with ParseFailure::kTooDeep.
std::expected<DataType, ParseFailure> read_container(std::string_view text);

// The same, read level by level only, with the per-level scans stopping
// after `direct_scan_budget` bytes in all (0 reads against the index at
// once). The result never depends on the budget, nor on which way of
// reading is taken; tests use this to reach each of them.
std::expected<DataType, ParseFailure> read_container(std::string_view text,
                                                     std::size_t direct_scan_budget);

}  // namespace quorvane
