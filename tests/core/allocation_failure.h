// Allocation failure on demand, for tests of code that must free what it made
// when an allocation fails part-way. Linked only into the GoogleTest binary:
// it replaces the global operator new and delete.
#pragma once

namespace quorvane::testing {

// While alive, counts the calling thread's allocations that are not freed
// again, and makes the allocation numbered `fail_at` (0 = the next one) throw
// std::bad_alloc; a negative `fail_at` fails none. Allocations are those
// through the global operator new (all but the over-aligned forms, which this
// test binary replaces) and the chunks that a ValueRegion maps (its blocks
// come from them without allocating). Nests nothing: one at a time per thread.
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

}  // namespace quorvane::testing
