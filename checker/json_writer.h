// The content of a loaded database as JSON text, for tools that want the
// data rather than a report. Pure functions; safe to call from any thread on
// values that no one changes meanwhile.
//
// Values map as follows: an Id becomes its lower-case hyphenated text, a Text
// a JSON string, a Number the shortest decimal that reads back as the same
// double once widened (what Python's repr() prints; NaN, Infinity and
// -Infinity for the non-finite ones, as Python's json module writes them), a
// Boolean true or false, an Array a JSON array and a Document a JSON object
// with its keys sorted byte-wise, so that the output does not change from
// run to run.
#pragma once

#include <string>
#include <string_view>

#include "core/value/data_type.h"
#include "core/store/database.h"

namespace quorvane::check {

// Appends `text` as a JSON string: quotes, backslashes and control
// characters escaped, everything else copied. REQUIRES: valid UTF-8.
void append_json_string(std::string_view text, std::string& out);

// Appends the JSON text of `number` widened to double.
void append_json_number(float number, std::string& out);

// Appends the JSON text of `value`.
void append_json(const DataType& value, std::string& out);

// The whole database on one line: an array holding, for every collection in
// order (a name that occurs twice included twice), an object
// {"name": NAME, "entries": {KEY: VALUE, ...}}.
std::string database_json(const Database& database);

}  // namespace quorvane::check
