// The content of a loaded database as JSON text, for tools that want the
// data rather than a report. Pure functions; safe to call from any thread on
// values that no one changes meanwhile.
//
// The output is strict JSON (RFC 8259) on one line: besides quotes,
// backslashes and C0 controls, strings escape DEL, the C1 controls and
// U+2028 and U+2029, so that a reader splitting at any line break sees whole
// lines. Values map as follows, in plain form: an Id becomes its lower-case
// hyphenated text, a Text a JSON string, a Number the shortest decimal that
// reads back as the same double once widened (what Python's repr() prints)
// and null for nan and the infinities, which JSON cannot write, a Boolean
// true or false, an Array a JSON array and a Document a JSON object with its
// keys sorted byte-wise, so that the output does not change from run to run.
// The typed form wraps each value in an object of one member named after
// its type, {"Id": "..."}, {"Text": "..."}, {"Number": 2.5}, {"Boolean":
// true}, {"Array": [...]}, {"Document": {...}}, and writes the non-finite
// numbers as {"Number": "nan"}, "inf" and "-inf": nothing is lost.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/value/data_type.h"
#include "core/store/database.h"

namespace quorvane::check {

// Appends `text` as a JSON string, escaped as above; any byte that is no
// part of valid UTF-8 becomes U+FFFD.
void append_json_string(std::string_view text, std::string& out);

// Appends the file name `name` as a JSON string, escaped as above, except
// that each byte of no valid UTF-8 becomes \udcXX (XX its value, from 80),
// a lone surrogate, as Python's surrogateescape reads it: names that differ
// only in such bytes stay apart, and os.fsencode gives the bytes back.
void append_json_file_name(std::string_view name, std::string& out);

// Appends the JSON text of `number` widened to double (null if not finite).
void append_json_number(float number, std::string& out);

// Appends the JSON text of `value`, plain or typed.
void append_json(const DataType& value, std::string& out);
void append_typed_json(const DataType& value, std::string& out);

// The whole database on one line: an array holding, for every collection in
// order (a name that occurs twice included twice), an object
// {"name": NAME, "entries": {KEY: VALUE, ...}}.
std::string database_json(const Database& database);

// The same in typed form, with the file's name, as one object
// {"file": PATH, "collections": [...]}, PATH written by append_json_file_name;
// "collections" is null for a file that did not load.
std::string typed_database_json(std::string_view path, const Database* database);

// Receives the next piece of a JSON text; it may clear the string.
using JsonSpill = std::function<void(std::string&)>;

// database_json and typed_database_json handed to `spill` in pieces of
// about a MiB as they are made, so that a large database is not written out
// in memory first.
void write_database_json(const Database& database, const JsonSpill& spill);
void write_typed_database_json(std::string_view path, const Database* database,
                               const JsonSpill& spill);

}  // namespace quorvane::check
