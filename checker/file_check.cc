#include "checker/file_check.h"

#include <cerrno>
#include <cstring>
#include <expected>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include "checker/display_text.h"
#include "core/load/loader.h"

namespace quorvane::check {
namespace {

// Why the file at `path` cannot be read, asked of the system again since
// the loader keeps no reason.
std::string read_failure_reason(std::string_view path) {
  if (path.empty()) return "the path is empty";
  const std::string c_path(path);
  std::error_code error;
  if (std::filesystem::is_directory(c_path, error)) return "it is a directory";
  const int fd = ::open(c_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return "reading it failed";
}

std::string_view kind_name(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "error";
    case Severity::kSkipped:
      return "skipped";
    case Severity::kWarning:
      return "warning";
  }
  return "note";
}

FileCheck finish(std::string_view path, std::expected<Database, Error> loaded,
                 const DiagnosticsSink& sink) {
  FileCheck check;
  check.path.assign(path);
  if (loaded) check.database = std::move(*loaded);
  check.diagnostics = sink.diagnostics();
  check.errors = sink.count(Severity::kError);
  check.skipped = sink.count(Severity::kSkipped);
  check.warnings = sink.count(Severity::kWarning);
  return check;
}

}  // namespace

Status FileCheck::status() const {
  if (!database) return Status::kNotLoaded;
  return errors + skipped + warnings == 0 ? Status::kClean : Status::kReported;
}

FileCheck check_text(std::string_view path, std::string_view text, bool details) {
  DiagnosticsSink sink(text, details);
  std::expected<Database, Error> loaded = load_database(path, text, sink);
  return finish(path, std::move(loaded), sink);
}

FileCheck check_file(std::string_view path, bool details) {
  const std::expected<FileContents, Error> contents = read_whole_file(path);
  if (!contents) {
    DiagnosticsSink sink({});
    sink.add_file_error("cannot read the file: " + read_failure_reason(path));
    return finish(path, std::unexpected(contents.error()), sink);
  }
  return check_text(path, contents->text(), details);
}

std::string format_report(const FileCheck& check, bool quiet) {
  std::string out;
  const std::string path = printable(check.path, 200);
  if (!quiet) {
    for (const Diagnostic& d : check.diagnostics) {
      out += path;
      if (d.line != 0) out += ":" + std::to_string(d.line);
      out += ": " + std::string(kind_name(d.severity)) + ": " + d.explanation + "\n";
      if (!d.excerpt.empty()) out += "    " + d.excerpt + "\n";
    }
  }
  return out + format_summary(check) + "\n";
}

std::string format_summary(const FileCheck& check) {
  std::string out = printable(check.path, 200) + ": ";
  if (check.database) {
    std::size_t entries = 0;
    for (const Collection& c : check.database->collections()) entries += c.entries().size();
    out += count_of(check.database->collections().size(), "collection") + ", " +
           count_of(entries, "entry", "entries") + "; ";
  } else {
    out += "not loaded; ";
  }
  return out + count_of(check.errors, "error") + ", " + std::to_string(check.skipped) +
         " skipped, " + count_of(check.warnings, "warning");
}

}  // namespace quorvane::check
