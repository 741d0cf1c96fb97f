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

// Exit statuses of quorvane-check; a run ends with the worst of its files.
enum class Status : int {
  kClean = 0,      // loaded, nothing to report
  kReported = 1,   // loaded, with something reported
  kNotLoaded = 2,  // the module would fail to load it (or bad usage)
};

struct FileCheck {
  std::string path;
  std::optional<Database> database;  // empty when the load failed
  std::vector<Diagnostic> diagnostics;  // empty unless asked for
  std::size_t errors = 0;
  std::size_t skipped = 0;
  std::size_t warnings = 0;

  Status status() const;
};

// Loads `text` as the content of the file `path`; with `details`, keeps
// every diagnostic, else only their counts.
FileCheck check_text(std::string_view path, std::string_view text, bool details = true);

// Reads and loads the file at `path`; one file-wide error when it cannot be
// read, naming the reason.
FileCheck check_file(std::string_view path, bool details = true);

// "FILE:LINE: kind: explanation" for each diagnostic, the line's text
// indented below it, unless `quiet`; then the summary line.
std::string format_report(const FileCheck& check, bool quiet);

// "FILE: 3 collections, 17 entries; 1 error, 0 skipped, 2 warnings", or
// "FILE: not loaded; ..." for a file that did not load.
std::string format_summary(const FileCheck& check);

}  // namespace quorvane::check
