// The explanations that quorvane-check gives for the lines a load drops:
// one printable line of text each, naming what the loader saw and what it
// wanted instead. Pure functions; safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/load/entry_splitter.h"
#include "core/load/load_sink.h"
#include "core/text/value_parser.h"

namespace quorvane::check {

// An entry line that split into fields.size() != 3 fields; shows the ones
// kept.
std::string explain_field_count(const EntryFields& fields);

// An entry line of three fields whose first one is no type code.
std::string explain_type_code(const EntryFields& fields, TypeCodeError error);

// An entry line of three fields whose value text gives no value under `code`.
std::string explain_unresolved_value(const EntryFields& fields, TypeCode code,
                                     ParseFailure failure);

// A line ahead of the first header (the load fails there), in a file whose
// encoding wide_encoding_name gave as `encoding`.
std::string explain_entry_before_header(std::string_view line, std::string_view encoding = {});

// A carriage return with text after it on its line: it ends no line.
std::string explain_lone_carriage_return();

// "UTF-32LE" or "UTF-32BE" when the first four bytes of `text` are a UTF-32
// byte order mark (FF FE 00 00, 00 00 FE FF) or one character below U+0100
// in UTF-32; otherwise "UTF-16LE" or "UTF-16BE" when `text` begins as
// UTF-16 text does (a byte order mark FF FE or FE FF, or a zero byte after
// or before each of its first characters); empty otherwise.
std::string_view wide_encoding_name(std::string_view text);

// A line inside section `section` that begins with "[" but is no header.
std::string explain_bracket_line(std::string_view line, std::string_view section);

// A line inside section `section` that would be a header but for invisible
// characters before its "[" or after its "]"; nothing for any other line.
std::optional<std::string> explain_hidden_header(std::string_view line, std::string_view section);

}  // namespace quorvane::check
