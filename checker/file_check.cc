#include "checker/file_check.h"

#include <cerrno>
#include <cstring>
#include <expected>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "checker/display_text.h"
#include "core/load/fd_closer.h"
#include "core/load/loader.h"

namespace quorvane::check {
namespace {

// Why a file of mode `mode` is not read, or nothing for a regular file.
std::string_view refusal(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "it is a directory";
  if (S_ISFIFO(mode)) return "it is a FIFO; only regular files are read";
  if (S_ISCHR(mode)) return "it is a character device; only regular files are read";
  if (S_ISBLK(mode)) return "it is a block device; only regular files are read";
  if (S_ISSOCK(mode)) return "it is a socket; only regular files are read";
  return "it is no regular file";
}

// Reads `fd` to its end; `expected` sizes the first buffer. The reason of
// a failure on error.
std::expected<std::string, std::string> read_all(int fd, std::size_t expected) {
  std::string text(std::max<std::size_t>(expected + 1, 64 * 1024), '\0');
  std::size_t size = 0;
  for (;;) {
    if (size == text.size()) text.resize(text.size() * 2);
    const ssize_t got = ::read(fd, text.data() + size, text.size() - size);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::unexpected(std::strerror(errno));
    }
    if (got == 0) break;
    size += static_cast<std::size_t>(got);
  }
  text.resize(size);
  return text;
}

// The bytes of the file at `path` ("-": standard input, whatever it is), or
// why it cannot be read. Only regular files are opened for reading: opening
// does not wait (O_NONBLOCK) and a FIFO or device is refused, as the module
// refuses it, before any byte is read.
std::expected<std::string, std::string> read_file(std::string_view path) {
  if (path == kStandardInput) return read_all(0, 0);
  if (path.empty()) return std::unexpected("the path is empty");
  if (path.find('\0') != std::string_view::npos) {
    return std::unexpected("the path holds a NUL byte");
  }
  const std::string c_path(path);
  const int fd = ::open(c_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::unexpected(std::strerror(errno));
  FdCloser closer(fd);
  struct stat info;
  if (::fstat(fd, &info) != 0) return std::unexpected(std::strerror(errno));
  if (const std::string_view why = refusal(info.st_mode); !why.empty()) {
    return std::unexpected(std::string(why));
  }
  return read_all(fd, static_cast<std::size_t>(info.st_size));
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
  const std::expected<std::string, std::string> contents = read_file(path);
  if (!contents) {
    DiagnosticsSink sink({}, handler);
    sink.add_file_error("cannot read the file: " + contents.error());
    return finish(path, std::unexpected(Error::kErrorReadingFile), sink);
  }
  return check_text(path, *contents, handler);
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
