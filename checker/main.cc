// quorvane-check FILE...: loads each database file as Quorvane.load does and
// explains every line that does not become an entry, as it goes; --json and
// --typed-json print the loaded content instead. Exit status: see kFooter.
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include <CLI/CLI.hpp>

#include "checker/file_check.h"
#include "checker/json_writer.h"
#include "checker/output.h"

namespace {

using quorvane::Database;
using quorvane::check::Diagnostic;
using quorvane::check::DiagnosticHandler;
using quorvane::check::FileCheck;
using quorvane::check::Output;
using quorvane::check::Severity;
using quorvane::check::Status;

enum class Mode { kReport, kQuiet, kJson, kTypedJson };

constexpr const char* kFooter =
    "FILE \"-\" reads standard input. --json writes strict JSON: the non-finite numbers nan, "
    "inf and -inf, which JSON cannot hold, become null; --typed-json keeps them, as "
    "{\"Number\": \"nan\"}, \"inf\" and \"-inf\".\n"
    "Exit status: 0 clean, 1 something reported, 2 a file could not be loaded or checked, "
    "3 bad usage, 4 the output could not be written.";

Status worse(Status a, Status b) { return static_cast<int>(b) > static_cast<int>(a) ? b : a; }

// The "file" of typed JSON output.
std::string_view json_name(std::string_view path) {
  return path == quorvane::check::kStandardInput ? "<stdin>" : path;
}

void to_stderr(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); }

// The first argument ahead of any "--" that looks like an option but is
// none of `app`'s and names an existing file; nullptr if there is none.
const char* file_taken_for_option(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg.size() < 2 || arg[0] != '-') continue;
    if (app.get_option_no_throw(std::string(arg.substr(0, arg.find('=')))) != nullptr) continue;
    struct stat info;
    if (::stat(argv[i], &info) == 0) return argv[i];
  }
  return nullptr;
}

// Checks one file in `mode`, writing as it goes; returns its status.
Status check_one(const std::string& path, Mode mode, Output& out) {
  const bool json = mode == Mode::kJson || mode == Mode::kTypedJson;
  std::string load_error;  // under JSON: the report of a failed load, for stderr
  DiagnosticHandler handler = [&](const Diagnostic& d) {
    if (json) {
      // The last error is the one that ends a failed load.
      if (d.severity == Severity::kError) load_error = format_diagnostic(path, d);
    } else if (mode == Mode::kReport) {
      out.write(format_diagnostic(path, d));
    }
  };
  const FileCheck check = quorvane::check::check_file(path, handler);
  const quorvane::check::JsonSpill spill = [&](std::string& piece) { out.write(piece); };
  const std::string summary = format_summary(check) + "\n";
  if (!json) {
    out.write(summary);
  } else if (mode == Mode::kTypedJson) {
    const Database* database = check.database ? &*check.database : nullptr;
    quorvane::check::write_typed_database_json(json_name(path), database, spill);
    out.write("\n");
  } else if (check.database) {
    quorvane::check::write_database_json(*check.database, spill);
    out.write("\n");
  } else {
    out.write("null\n");
  }
  if (json && !check.database) to_stderr(load_error + summary);
  return check.status();
}

// A file that ran out of memory: reported in its place, the run goes on.
Status out_of_memory(const std::string& path, Mode mode, Output& out) {
  const std::string shown = quorvane::check::display_path(path);
  const std::string report = shown + ": error: cannot check the file: out of memory\n" + shown +
                             ": not checked; out of memory\n";
  if (mode == Mode::kJson) {
    out.write("null\n");
  } else if (mode == Mode::kTypedJson) {
    out.write(quorvane::check::typed_database_json(json_name(path), nullptr) + "\n");
  }
  if (mode == Mode::kJson || mode == Mode::kTypedJson) {
    to_stderr(report);
  } else {
    out.write(report);
  }
  return Status::kNotLoaded;
}

// Checks each file in turn and returns the worst status, or kWriteFailed
// as soon as the output fails.
Status check_all(const std::vector<std::string>& paths, Mode mode) {
  Output out;
  Status worst = Status::kClean;
  for (const std::string& path : paths) {
    try {
      worst = worse(worst, check_one(path, mode, out));
    } catch (const std::bad_alloc&) {
      worst = worse(worst, out_of_memory(path, mode, out));
    }
    if (!out.flush()) break;
  }
  if (!out.failed()) return worst;
  std::fprintf(stderr, "quorvane-check: cannot write the output: %s\n",
               std::strerror(out.error()));
  return Status::kWriteFailed;
}

int run(int argc, char** argv) {
  CLI::App app{
      "Loads database files as Quorvane.load does and reports every line that does not "
      "become an entry: errors (lines the module rejects with an \"Error parsing\" message, "
      "files it cannot load), skipped lines (dropped silently) and warnings (keys and "
      "sections that hide others, values that the loader stores other than they read).",
      "quorvane-check"};
  std::vector<std::string> paths;
  bool quiet = false;
  bool json = false;
  bool typed = false;
  app.add_option("FILE", paths, "database files to check (- for standard input)")->required();
  CLI::Option* quiet_flag = app.add_flag(
      "-q,--quiet", quiet, "print only each file's summary (with why a file was not loaded)");
  CLI::Option* json_flag =
      app.add_flag("--json", json,
                   "print each file's loaded content as one line of JSON instead of the report "
                   "(null for a file that cannot be loaded, whose report goes to stderr)")
          ->excludes(quiet_flag);
  app.add_flag("--typed-json", typed,
               "the same as one JSON object per file, {\"file\": ..., \"collections\": "
               "[...]}, each value tagged with its type: {\"Id\": ...}, {\"Text\": ...}, "
               "{\"Number\": ...}, {\"Boolean\": ...}, {\"Array\": [...]}, "
               "{\"Document\": {...}}")
      ->excludes(quiet_flag)
      ->excludes(json_flag);
  app.set_version_flag("--version", "quorvane-check 0.2.0");
  app.footer(kFooter);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (const char* file = file_taken_for_option(app, argc, argv)) {
      std::fprintf(stderr,
                   "quorvane-check: %s is no option, but a file of that name exists; to check "
                   "it, put -- before it: quorvane-check -- %s\n",
                   file, file);
      return static_cast<int>(Status::kUsage);
    }
    const int code = app.exit(error);
    return code == 0 ? 0 : static_cast<int>(Status::kUsage);
  }
  if (!quorvane::check::stdout_is_open()) {
    std::fputs("quorvane-check: cannot write the output: standard output is closed\n", stderr);
    return static_cast<int>(Status::kWriteFailed);
  }
  const Mode mode = typed  ? Mode::kTypedJson
                    : json ? Mode::kJson
                    : quiet ? Mode::kQuiet
                            : Mode::kReport;
  return static_cast<int>(check_all(paths, mode));
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("quorvane-check: out of memory\n", stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quorvane-check: %s\n", error.what());
  }
  return static_cast<int>(Status::kNotLoaded);
}
