// Helpers shared by the core tests: capturing what the code under test
// writes to file descriptor 1, a canonical text form of values and databases
// for comparing them, and failing allocations on purpose.
#pragma once

#include <cstdio>
#include <string>

#include "core/data_type.h"
#include "core/database.h"

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

// While alive, counts the calling thread's allocations through the global
// operator new (all but the over-aligned forms, which this test binary
// replaces) that are not freed again, and makes the allocation numbered
// `fail_at` (0 = the next one) throw std::bad_alloc; a negative `fail_at`
// fails none. Nests nothing: one at a time per thread.
class AllocationFailure {
 public:
  explicit AllocationFailure(long fail_at);
  AllocationFailure(const AllocationFailure&) = delete;
  AllocationFailure& operator=(const AllocationFailure&) = delete;
  ~AllocationFailure();

  // Allocations made meanwhile minus those freed meanwhile.
  long live() const;
  // Whether the chosen allocation was reached (and failed).
  bool failed() const;
};

// A canonical form: numbers in %g form, texts quoted, document keys sorted.
std::string describe(const DataType& value);

// Every collection in order as "name: {entries}", one per line.
std::string describe(const Database& db);

}  // namespace quorvane::testing
