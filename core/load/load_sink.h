// Where the loader reports what it meets while it reads a database file.
//
// The loader and the section parser are templates over a sink type and call
// its hooks in file order, the moment each line is handled. The module uses
// StdoutSink, which prints the three "Error parsing: " messages and does
// nothing else; its other hooks are empty and inline, so they cost nothing.
// A diagnosing tool can pass a sink of its own to learn about every line that
// is dropped and why, with its line number, without a second parser.
//
// Line numbers count from 1; line texts are the trimmed lines, views into the
// loaded text valid only during the call. Sinks are used by one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "core/store/collection.h"
#include "core/value/data_type.h"
#include "core/value/value_region.h"
#include "core/text/value_parser.h"

namespace quorvane {

// Why the type code field of an entry line could not be read.
enum class TypeCodeError : std::uint8_t {
  kInvalidDigit,  // a character other than a digit (after one optional "+")
  kPosOverflow,   // the number grew beyond 65535 before any such character
};

// The message line printed for `error`, without its line feed.
std::string_view message(TypeCodeError error);

// The message line printed for an entry whose value text yields no value.
inline constexpr std::string_view kUnresolvedValueMessage = "Error parsing: unresolved value";

// Writes `text` and a line feed to C stdout and flushes at once, so that the
// line reaches file descriptor 1 before anything later is done.
void print_line(std::string_view text);

template <class S>
concept LoadSink = requires(S& sink, std::size_t number, std::string_view text,
                            TypeCodeError error, TypeCode code, ParseFailure failure,
                            const Collection& collection, const DataType& value) {
  // The text is not valid UTF-8 from byte offset `number` on: the load fails.
  sink.invalid_utf8(number);
  // An entry line ahead of the first header: the load fails at this line.
  sink.entry_before_header(number, text);
  // A header line opens a new collection of the name `text` (possibly one
  // that an earlier section had already).
  sink.section_started(number, text);
  // A line inside a section that begins with "[" but is no header: skipped.
  sink.bracket_line_skipped(number, text);
  // An entry line that did not split into three fields: skipped.
  sink.wrong_field_count(number, text, number);
  // An entry line whose type code cannot be read: skipped.
  sink.bad_type_code(number, text, error);
  // An entry line whose value text yields no value under `code`, for the
  // reason `failure` (no such variant, bad syntax, nested too deep): skipped.
  sink.unresolved_value(number, text, code, failure);
  // Called just before `value` is stored under the key `text`; until then
  // collection.get(key) shows any earlier value that it replaces.
  sink.entry_storing(number, collection, text, value);
};

// The module's sink: prints the three messages on standard output. When
// `before_first_message` is set, it is called once, just before the first
// message is written (the binding flushes the interpreter's own buffered
// standard output there, so that what was printed before comes first). When
// it returns false, nothing is printed from then on: the caller is ending
// the load (it was interrupted during the flush).
struct StdoutSink {
  bool (*before_first_message)() = nullptr;
  bool silent = false;  // before_first_message returned false

  void invalid_utf8(std::size_t) {}
  void entry_before_header(std::size_t, std::string_view) {}
  void section_started(std::size_t, std::string_view) {}
  void bracket_line_skipped(std::size_t, std::string_view) {}
  void wrong_field_count(std::size_t, std::string_view, std::size_t) {}
  void bad_type_code(std::size_t, std::string_view, TypeCodeError error) {
    print(message(error));
  }
  void unresolved_value(std::size_t, std::string_view, TypeCode, ParseFailure) {
    print(kUnresolvedValueMessage);
  }
  void entry_storing(std::size_t, const Collection&, std::string_view, const DataType&) {}

 private:
  void print(std::string_view text) {
    if (before_first_message) silent = !std::exchange(before_first_message, nullptr)();
    if (!silent) print_line(text);
  }
};

// Reports nothing: for loading content where no output is wanted.
struct SilentSink {
  void invalid_utf8(std::size_t) {}
  void entry_before_header(std::size_t, std::string_view) {}
  void section_started(std::size_t, std::string_view) {}
  void bracket_line_skipped(std::size_t, std::string_view) {}
  void wrong_field_count(std::size_t, std::string_view, std::size_t) {}
  void bad_type_code(std::size_t, std::string_view, TypeCodeError) {}
  void unresolved_value(std::size_t, std::string_view, TypeCode, ParseFailure) {}
  void entry_storing(std::size_t, const Collection&, std::string_view, const DataType&) {}
};

static_assert(LoadSink<StdoutSink> && LoadSink<SilentSink>);

// Forwards each hook to `sink` with the thread's active value region paused
// (value_region.h): the loader calls its sink through this, so that whatever
// a sink makes, or the code it calls back runs, is ordinary heap memory and
// never a block of the load's region, which it could outlive.
template <LoadSink Sink>
struct RegionPausingSink {
  Sink& sink;

  void invalid_utf8(std::size_t at) {
    ValueRegionPause pause;
    sink.invalid_utf8(at);
  }
  void entry_before_header(std::size_t line, std::string_view text) {
    ValueRegionPause pause;
    sink.entry_before_header(line, text);
  }
  void section_started(std::size_t line, std::string_view name) {
    ValueRegionPause pause;
    sink.section_started(line, name);
  }
  void bracket_line_skipped(std::size_t line, std::string_view text) {
    ValueRegionPause pause;
    sink.bracket_line_skipped(line, text);
  }
  void wrong_field_count(std::size_t line, std::string_view text, std::size_t count) {
    ValueRegionPause pause;
    sink.wrong_field_count(line, text, count);
  }
  void bad_type_code(std::size_t line, std::string_view text, TypeCodeError error) {
    ValueRegionPause pause;
    sink.bad_type_code(line, text, error);
  }
  void unresolved_value(std::size_t line, std::string_view text, TypeCode code,
                        ParseFailure failure) {
    ValueRegionPause pause;
    sink.unresolved_value(line, text, code, failure);
  }
  void entry_storing(std::size_t line, const Collection& collection, std::string_view key,
                     const DataType& value) {
    ValueRegionPause pause;
    sink.entry_storing(line, collection, key, value);
  }
};

}  // namespace quorvane
