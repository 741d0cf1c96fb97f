// Loading a database file as the module does: the public entry point of a
// load, which reads the file and loads it on as many threads as pay off.
#pragma once

#include <expected>
#include <string_view>

#include "core/store/database.h"
#include "core/value/error.h"

namespace quorvane {

// What the caller of load_database_file may be called back for; each may be null.
struct LoadHooks {
  // Called after every chunk read from the file, every kStopCheckBytes of
  // text parsed, and every few milliseconds while the calling thread waits
  // for the load's other threads; returning false stops the load, which
  // fails with kReadInterrupted. A child forked inside it fails with
  // kErrorReadingFile (load_stop.h).
  bool (*keep_reading)() = nullptr;
  // Called once, just before the first "Error parsing: " line is written;
  // returning false has no line written from then on (the caller is ending
  // the load, and has keep_reading return false).
  bool (*before_first_message)() = nullptr;
};

// Builds a database from the database text file at `path`, as the module
// does: rejected entry lines print one "Error parsing: ..." line each on
// standard output and are skipped. Fails with kErrorReadingFile, building
// nothing, when the file is no regular file, cannot be read, is not valid
// UTF-8, or has entry lines ahead of its first header; with kReadInterrupted
// when hooks.keep_reading stopped it. A file of several MiB is loaded on
// several threads (parallel_loader.h), with the same database and output.
// The hooks are called on the calling thread only.
std::expected<Database, Error> load_database_file(std::string_view path,
                                                  const LoadHooks& hooks = {});

}  // namespace quorvane
