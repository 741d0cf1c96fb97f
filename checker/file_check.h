// Checking one database file: loading it as the module does, with the
// diagnostics sink, and writing the report or the content as JSON.
// Not thread-safe on a shared FileCheck.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/diagnostics_sink.h"
#include "core/store/database.h"

namespace quorvane::check {

// Exit statuses of quorvane-check; a run ends with the worst of its files,
// or with one of the last two.
enum class Status : int {
  kClean = 0,        // loaded, nothing to report
  kReported = 1,     // loaded, with something reported
  kNotLoaded = 2,    // the module would fail to load it, or it could not be checked
  kUsage = 3,        // bad command line: nothing was checked
  kWriteFailed = 4,  // the output could not be written
};

// The path that names standard input.
inline constexpr std::string_view kStandardInput = "-";

struct FileCheck {
  std::string path;
  std::optional<Database> database;  // empty when the load failed
  std::string failure;                // then why, in a few words; may be empty
  std::vector<Diagnostic> diagnostics;  // filled only by check_text(path, text)
  std::size_t errors = 0;
  std::size_t skipped = 0;
  std::size_t warnings = 0;

  Status status() const;
};

// Loads `text` as the content of the file `path`, handing each diagnostic to
// `handler` the moment it is made; an empty handler only counts them.
FileCheck check_text(std::string_view path, std::string_view text,
                     const DiagnosticHandler& handler);

// The same, keeping every diagnostic in the result.
FileCheck check_text(std::string_view path, std::string_view text);

// Reads and loads the file at `path` (standard input for "-"). A file that
// cannot be read, or is no regular file (a FIFO, a device: refused without
// reading, as the module refuses it), gets one file-wide error naming the
// reason. Throws std::bad_alloc when memory runs out.
FileCheck check_file(std::string_view path, const DiagnosticHandler& handler);

// `path` as reports show it: whole, with control characters escaped;
// "<stdin>" for standard input.
std::string display_path(std::string_view path);

// "FILE:LINE: kind: explanation" (with ":COLUMN" after the line when there
// is one), then the line's text indented below it, each line ending in "\n".
std::string format_diagnostic(std::string_view path, const Diagnostic& diagnostic);

// format_diagnostic for each diagnostic, unless `quiet`; then the summary line.
std::string format_report(const FileCheck& check, bool quiet);

// "FILE: 3 collections, 17 entries; 1 error, 0 skipped, 2 warnings", or
// "FILE: not loaded (WHY); ..." for a file that did not load.
std::string format_summary(const FileCheck& check);

}  // namespace quorvane::check
