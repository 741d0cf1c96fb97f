// Helpers shared by the core tests: capturing what the code under test
// writes to file descriptor 1, a canonical text form of values and databases
// for comparing them, and failing allocations on purpose.
#pragma once

#include <cstdio>
#include <expected>
#include <string>
#include <string_view>

#include "core/value/data_type.h"
#include "core/store/database.h"

namespace quorvane::testing {

// While alive, file descriptor 1 (and so C stdout) goes to a temporary file.
// Flushes C stdout on both ends, so only what was written meanwhile is kept.
class StdoutCapture {
 public:
  StdoutCapture();
  StdoutCapture(const StdoutCapture&) = delete;
  StdoutCapture& operator=(const StdoutCapture&) = delete;
  ~StdoutCapture();

  // Restores fd 1 and returns everything written since construction.
  std::string finish();

 private:
  std::FILE* file_ = nullptr;
  int saved_fd_ = -1;
};

// How describe() writes texts and document keys. kPlain: texts in double
// quotes as they are and keys bare, for tables that read easily; kExact: both
// quoted, with \" and \\ escaped, so that no two values read alike.
enum class Quoting { kPlain, kExact };

// A canonical form: numbers in their shortest round-trip form, Ids as
// id:<hyphenated>, document keys sorted.
std::string describe(const DataType& value, Quoting quoting = Quoting::kPlain);

// Every collection in order as "name: {entries}", one per line.
std::string describe(const Database& db);

// Loads `text` as the content of the file `path`, printing as the module does.
std::expected<Database, Error> load_text(std::string_view path, std::string_view text);

}  // namespace quorvane::testing
