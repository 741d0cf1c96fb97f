// Counting, failing allocation for the tests of copies that run out of memory.
#include "tests/core/allocation_failure.h"

#include <cstdlib>
#include <new>

#include "core/value/value_region.h"

namespace quorvane::testing {
namespace {

// The state of this thread's AllocationFailure; `armed` while one is alive.
struct AllocationCounts {
  bool armed = false;
  long until_failure = -1;
  long live = 0;
  bool failed = false;
};
thread_local AllocationCounts t_counts;

}  // namespace

AllocationFailure::AllocationFailure(long fail_at) { t_counts = {true, fail_at, 0, false}; }
AllocationFailure::~AllocationFailure() { t_counts.armed = false; }
long AllocationFailure::live() const { return t_counts.live; }
bool AllocationFailure::failed() const { return t_counts.failed; }

namespace {

// Whether the next allocation may go ahead (false: it is the one to fail).
bool may_allocate() noexcept {
  AllocationCounts& counts = t_counts;
  if (counts.armed && counts.until_failure >= 0 && counts.until_failure-- == 0) {
    counts.failed = true;
    return false;
  }
  return true;
}

void count_allocated() noexcept {
  if (t_counts.armed) ++t_counts.live;
}

void count_freed() noexcept {
  if (t_counts.armed) --t_counts.live;
}

// Called by the replaced operator new below. Returns nullptr when the
// allocation is to fail (or malloc fails).
void* counted_allocate(std::size_t size) noexcept {
  if (!may_allocate()) return nullptr;
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p) count_allocated();
  return p;
}

void counted_free(void* p) noexcept {
  if (!p) return;
  count_freed();
  std::free(p);
}

// Region chunks count as allocations too; set before any test runs.
const bool g_observing_chunks = [] {
  observe_region_chunks(RegionChunkObserver{
      .may_map = [](std::size_t) { return may_allocate(); },
      .mapped = [](std::size_t) { count_allocated(); },
      .unmapped = [](std::size_t) { count_freed(); },
  });
  return true;
}();

}  // namespace

}  // namespace quorvane::testing

// The global allocation functions of this test binary, every form but the
// over-aligned ones, so that every new and delete meet the same pair.
using quorvane::testing::counted_allocate;
using quorvane::testing::counted_free;

void* operator new(std::size_t size) {
  if (void* p = counted_allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return counted_allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return counted_allocate(size);
}
void operator delete(void* p) noexcept { counted_free(p); }
void operator delete[](void* p) noexcept { counted_free(p); }
void operator delete(void* p, std::size_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::size_t) noexcept { counted_free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { counted_free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { counted_free(p); }
