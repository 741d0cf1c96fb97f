// quorvane-check FILE...: loads each database file as Quorvane.load does and
// explains every line that does not become an entry; --json prints the
// loaded content instead. Exit status: 0 clean, 1 something reported, 2 a
// file that cannot be loaded (or bad usage).
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "checker/file_check.h"
#include "checker/json_writer.h"

namespace {

using quorvane::check::FileCheck;
using quorvane::check::Status;

void write(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// Prints the report of each file (or its content as JSON) as soon as it is
// checked, so that a long run shows its progress; returns the worst status.
Status check_all(const std::vector<std::string>& paths, bool quiet, bool json) {
  Status worst = Status::kClean;
  for (const std::string& path : paths) {
    FileCheck check = quorvane::check::check_file(path, !quiet && !json);
    if (!json) {
      write(stdout, format_report(check, quiet));
    } else if (check.database) {
      write(stdout, quorvane::check::database_json(*check.database) + "\n");
    } else {
      // One line per file, so the output stays aligned with the arguments;
      // the reason (a single error, where the load stopped) goes to stderr.
      write(stdout, "null\n");
      write(stderr, format_report(quorvane::check::check_file(path), false));
    }
    std::fflush(stdout);
    if (static_cast<int>(check.status()) > static_cast<int>(worst)) worst = check.status();
  }
  return worst;
}

int run(int argc, char** argv) {
  CLI::App app{
      "Loads database files as Quorvane.load does and reports every line that does not "
      "become an entry: errors (lines the module rejects with an \"Error parsing\" message, "
      "files it cannot load), skipped lines (dropped silently) and warnings (keys and "
      "sections that hide others).",
      "quorvane-check"};
  std::vector<std::string> paths;
  bool quiet = false;
  bool json = false;
  app.add_option("FILE", paths, "database files to check")->required();
  CLI::Option* quiet_flag = app.add_flag("-q,--quiet", quiet, "print only each file's summary");
  app.add_flag("--json", json,
               "print each file's loaded content as one line of JSON instead of the report "
               "(null for a file that cannot be loaded, whose report goes to stderr)")
      ->excludes(quiet_flag);
  app.set_version_flag("--version", "quorvane-check 0.2.0");
  app.footer("Exit status: 0 clean, 1 something reported, 2 a file could not be loaded.");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : static_cast<int>(Status::kNotLoaded);
  }
  return static_cast<int>(check_all(paths, quiet, json));
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
