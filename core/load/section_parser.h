// One section of a database file -> one collection.
//
// A section is a header line "[name]" followed by entry lines. Each entry
// line must split (entry_splitter.h) into exactly three fields: a type code,
// a key and a value text. Lines that cannot be used are skipped and reported
// to the sink (load_sink.h); with StdoutSink, a bad type code or a value text
// that yields no value prints one "Error parsing: " line, the rest is silent.
// A later line for a key replaces the earlier value.
//
// parse_entry_line is what the loader calls line by line as it reads a file;
// parse_section does the same for a section given as one text. Not
// thread-safe on shared arguments; otherwise free of state.
#pragma once

#include <array>
#include <cstddef>
#include <expected>
#include <optional>
#include <string_view>
#include <utility>

#include "core/store/collection.h"
#include "core/load/entry_splitter.h"
#include "core/load/load_sink.h"
#include "core/text/unicode.h"
#include "core/text/value_parser.h"

namespace quorvane {

// Reads a type code field: one optional "+", then decimal digits (leading
// zeros allowed) up to 65535. The first problem met from left to right
// decides the error; a field with no digit at all is kInvalidDigit.
std::expected<TypeCode, TypeCodeError> read_type_code(std::string_view field);

// The collection name of a header line (trimmed): the text strictly between
// a leading "[" and a trailing "]", possibly empty. Nothing for a line that
// is no header, such as "[", "]" or "[a] # note".
inline std::optional<std::string_view> header_name(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return line.substr(1, line.size() - 2);
}

// Handles one entry line of the section whose collection is `collection`.
// `line` is trimmed and neither blank nor a comment; `fields` is scratch
// space reused from line to line.
template <LoadSink Sink>
void parse_entry_line(Collection& collection, std::string_view line, std::size_t line_number,
                      EntryFields& fields, Sink& sink) {
  if (line.starts_with('[')) {
    sink.bracket_line_skipped(line_number, line);
    return;
  }
  std::optional<std::array<std::string_view, 3>> common = split_common_entry(line);
  if (!common) {
    // Only a line of three fields is used: the text of any further field is
    // not kept, so that a line of millions of words costs no memory per word.
    split_entries(line, fields, 3);
    if (fields.size() != 3) {
      sink.wrong_field_count(line_number, line, fields.size());
      return;
    }
    common = std::array<std::string_view, 3>{fields[0], fields[1], fields[2]};
  }
  const auto& [code_field, key, value_text] = *common;
  // A one-digit code, as nearly every line has, is read without the call.
  const bool one_digit = code_field.size() == 1 && code_field[0] >= '0' && code_field[0] <= '9';
  const std::expected<TypeCode, TypeCodeError> code =
      one_digit ? static_cast<TypeCode>(code_field[0] - '0') : read_type_code(code_field);
  if (!code) {
    sink.bad_type_code(line_number, line, code.error());
    return;
  }
  std::expected<DataType, ParseFailure> value = parse_value_or_failure(*code, value_text);
  if (!value) {
    sink.unresolved_value(line_number, line, *code, value.error());
    return;
  }
  sink.entry_storing(line_number, collection, key, *value);
  collection.set(key, std::move(*value));
}

// Builds the collection of `text`: lines separated by line feeds (a carriage
// return before one is dropped), each already trimmed, none blank and none a
// comment, the first being the header. Lines are numbered from 1. Nothing,
// and nothing reported, when the first line is no header.
template <LoadSink Sink>
std::optional<Collection> parse_section(std::string_view text, Sink& sink) {
  std::optional<Collection> collection;
  EntryFields fields;
  std::size_t line_number = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::string_view line = next_line(text, pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ++line_number;
    if (!collection) {
      const std::optional<std::string_view> name = header_name(line);
      if (!name) return std::nullopt;
      sink.section_started(line_number, *name);
      collection.emplace(*name);
      continue;
    }
    parse_entry_line(*collection, line, line_number, fields, sink);
  }
  return collection;
}

// parse_section printing its messages on standard output.
std::optional<Collection> parse_section(std::string_view text);

}  // namespace quorvane
