// The explanations that quorvane-check gives for the lines a load drops:
// one printable line of text each, naming what the loader saw and what it
// wanted instead. Pure functions; safe to call from any thread.
#pragma once

#include <string>
#include <string_view>

#include "core/load/entry_splitter.h"
#include "core/load/load_sink.h"
#include "core/text/value_parser.h"

namespace quorvane::check {

// An entry line that split into fields.size() != 3 fields.
std::string explain_field_count(const EntryFields& fields);

// An entry line of three fields whose first one is no type code.
std::string explain_type_code(const EntryFields& fields, TypeCodeError error);

// An entry line of three fields whose value text gives no value under `code`.
std::string explain_unresolved_value(const EntryFields& fields, TypeCode code,
                                     ParseFailure failure);

// A line ahead of the first header (the load fails there).
std::string explain_entry_before_header(std::string_view line);

// A line inside section `section` that begins with "[" but is no header.
std::string explain_bracket_line(std::string_view line, std::string_view section);

}  // namespace quorvane::check
