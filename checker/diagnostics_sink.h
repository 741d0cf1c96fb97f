// A load sink (core/load/load_sink.h) that records every line of a database file
// that does not become an entry, every entry or section that hides an
// earlier one, every entry stored other than its text seems to say, and a
// carriage return with text after it on its line, each with an explanation
// for a person.
//
// The loader calls the hooks in file order, so the records come in file
// order too, and each is handed on the moment it is made: the sink keeps
// none, so its memory does not grow with the number of reports. The module's
// own sink prints an "Error parsing: " line exactly
// where this one records kError for an entry line, so the two never
// disagree. One sink per file; not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <boost/unordered/unordered_flat_map.hpp>

#include "core/store/collection.h"
#include "core/value/data_type.h"
#include "core/load/entry_splitter.h"
#include "core/load/load_sink.h"
#include "core/text/value_parser.h"

namespace quorvane::check {

enum class Severity : std::uint8_t {
  kError,    // an entry line rejected with a message, or a file not loaded
  kSkipped,  // a line dropped without any message from the module
  kWarning,  // loaded, but something earlier or later is lost or hidden
};

struct Diagnostic {
  std::size_t line;         // from 1; 0 when it concerns the whole file
  Severity severity;
  std::string explanation;  // printable, one line
  std::string excerpt;      // the line's text, printable and shortened; may be empty
  std::size_t column = 0;   // byte of the line, from 1; 0 when it concerns the whole line
};

// Receives each diagnostic as it is made; it must not keep the reference.
using DiagnosticHandler = std::function<void(const Diagnostic&)>;

class DiagnosticsSink {
 public:
  // `text` is the whole text being loaded; it must outlive the sink, and so
  // must `handler`. An empty handler makes the sink only count.
  DiagnosticsSink(std::string_view text, const DiagnosticHandler& handler);

  void invalid_utf8(std::size_t offset);
  void entry_before_header(std::size_t line, std::string_view text);
  void section_started(std::size_t line, std::string_view name);
  void bracket_line_skipped(std::size_t line, std::string_view text);
  void wrong_field_count(std::size_t line, std::string_view text, std::size_t count);
  void bad_type_code(std::size_t line, std::string_view text, TypeCodeError error);
  void unresolved_value(std::size_t line, std::string_view text, TypeCode code,
                        ParseFailure failure);
  void entry_storing(std::size_t line, const Collection& collection, std::string_view key,
                     const DataType& value);

  // Records a problem found outside the loader (a file that cannot be read).
  void add_file_error(std::string explanation);
  // Called once the load is over: records what waited for a later line.
  void finish();

  std::size_t count(Severity severity) const {
    return counts_[static_cast<std::size_t>(severity)];
  }
  // Why the file was not loaded, in a few words ("invalid UTF-8 on line 3,
  // column 7"); empty while nothing stopped the load.
  const std::string& failure() const { return failure_; }

 private:
  void add(std::size_t line, Severity severity, std::string explanation,
           std::string_view line_text, std::size_t column = 0);
  // The trimmed text of line `number`; cheap when lines are asked for in order.
  std::string_view line_text(std::size_t number);

  // Records a warning when the entry of line `line` stores `value` other
  // than its text seems to say.
  void warn_quiet_change(std::size_t line, const DataType& value);
  // Records the warning about a carriage return inside a line, once
  // every line before its own is reported.
  void add_lone_carriage_return();

  std::string_view text_;
  const DiagnosticHandler& handler_;
  std::size_t lone_cr_line_ = 0;    // 0 when there is none, or once reported
  std::size_t lone_cr_column_ = 0;
  std::size_t counts_[3] = {};
  std::string failure_;
  std::size_t cursor_line_ = 1;    // line_text: the line that starts at cursor_offset_
  std::size_t cursor_offset_ = 0;
  std::string section_;  // name of the section being read
  // Transparent, so that looking a name or key up makes no copy of it.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept;
  };
  using LineMap = boost::unordered_flat_map<std::string, std::size_t, Hash, std::equal_to<>>;
  LineMap section_lines_;  // name -> header line
  // This section: the 64-bit hash of each key stored -> the line that stored
  // it last. Keeping hashes, not keys, holds a section of millions of keys to
  // 16 bytes a key here. Whether a key was set before is asked of the
  // collection, so two keys of one hash (a chance of 2^-64 a pair) could
  // only misname the earlier line.
  struct KeyHash {
    using is_avalanching = void;  // already a hash: used as it is
    std::size_t operator()(std::uint64_t hash) const noexcept { return hash; }
  };
  boost::unordered_flat_map<std::uint64_t, std::size_t, KeyHash> key_lines_;
  EntryFields fields_;
};

static_assert(LoadSink<DiagnosticsSink>);

}  // namespace quorvane::check
