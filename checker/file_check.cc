#include "checker/file_check.h"

#include <sys/stat.h>

#include <cstring>
#include <expected>
#include <limits>
#include <utility>

#include "checker/display_text.h"
#include "core/load/file_reader.h"
#include "core/load/load_stop.h"
#include "core/load/loader.h"

namespace quorvane::check {
namespace {

// Why a file of mode `mode` is not read.
std::string_view refusal(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a directory";
  if (S_ISFIFO(mode)) return "it is a FIFO; only regular files are read";
  if (S_ISCHR(mode)) return "it is a character device; only regular files are read";
  if (S_ISBLK(mode)) return "it is a block device; only regular files are read";
  if (S_ISSOCK(mode)) return "it is a socket; only regular files are read";
  return "it is no regular file";
}

std::string reason(const ReadFailure& failure) {
  switch (failure.cause) {
    case ReadFailure::Cause::kEmptyPath:
      return "the path is empty";
    case ReadFailure::Cause::kNulInPath:
      return "the path holds a NUL byte";
    case ReadFailure::Cause::kSystemError:
      return std::strerror(failure.system_error);
    case ReadFailure::Cause::kNotRegularFile:
      return std::string(refusal(failure.mode));
    case ReadFailure::Cause::kStopped:
      break;
  }
  return "reading was stopped";
}

// The bytes of the file at `path` ("-": standard input, whatever it is), or
// why it cannot be read. Other files are read as the module reads them.
std::expected<FileContents, std::string> read_file(std::string_view path) {
  std::expected<FileReader, ReadFailure> file =
      path == kStandardInput ? std::expected<FileReader, ReadFailure>(FileReader::standard_input())
                             : FileReader::open(path);
  if (!file) return std::unexpected(reason(file.error()));
  LoadStop never;
  std::expected<FileContents, ReadFailure> contents = file->read_rest(never);
  if (!contents) return std::unexpected(reason(contents.error()));
  return std::move(*contents);
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
                 DiagnosticsSink& sink) {
  sink.finish();
  FileCheck check;
  check.path.assign(path);
  if (loaded) {
    check.database = std::move(*loaded);
  } else {
    check.failure = sink.failure();
  }
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

FileCheck check_text(std::string_view path, std::string_view text,
                     const DiagnosticHandler& handler) {
  DiagnosticsSink sink(text, handler);
  std::expected<Database, Error> loaded = load_database(path, text, sink);
  return finish(path, std::move(loaded), sink);
}

FileCheck check_text(std::string_view path, std::string_view text) {
  std::vector<Diagnostic> kept;
  const DiagnosticHandler keep = [&](const Diagnostic& d) { kept.push_back(d); };
  FileCheck check = check_text(path, text, keep);
  check.diagnostics = std::move(kept);
  return check;
}

FileCheck check_file(std::string_view path, const DiagnosticHandler& handler) {
  const std::expected<FileContents, std::string> contents = read_file(path);
  if (!contents) {
    DiagnosticsSink sink({}, handler);
    sink.add_file_error("cannot read the file: " + contents.error());
    return finish(path, std::unexpected(Error::kErrorReadingFile), sink);
  }
  return check_text(path, contents->text(), handler);
}

std::string display_path(std::string_view path) {
  if (path == kStandardInput) return "<stdin>";
  return printable(path, std::numeric_limits<std::size_t>::max());
}

std::string format_diagnostic(std::string_view path, const Diagnostic& d) {
  std::string out = display_path(path);
  if (d.line != 0) out += ":" + std::to_string(d.line);
  if (d.line != 0 && d.column != 0) out += ":" + std::to_string(d.column);
  out += ": " + std::string(kind_name(d.severity)) + ": " + d.explanation + "\n";
  if (!d.excerpt.empty()) out += "    " + d.excerpt + "\n";
  return out;
}

std::string format_report(const FileCheck& check, bool quiet) {
  std::string out;
  if (!quiet) {
    for (const Diagnostic& d : check.diagnostics) out += format_diagnostic(check.path, d);
  }
  return out + format_summary(check) + "\n";
}

std::string format_summary(const FileCheck& check) {
  std::string out = display_path(check.path) + ": ";
  if (check.database) {
    std::size_t entries = 0;
    for (const Collection& c : check.database->collections()) entries += c.entries().size();
    out += count_of(check.database->collections().size(), "collection") + ", " +
           count_of(entries, "entry", "entries") + "; ";
  } else {
    out += check.failure.empty() ? "not loaded; " : "not loaded (" + check.failure + "); ";
  }
  return out + count_of(check.errors, "error") + ", " + std::to_string(check.skipped) +
         " skipped, " + count_of(check.warnings, "warning");
}

}  // namespace quorvane::check
