// Linux's own calls behind the platform interfaces: futex, the affinity
// mask, the thread attributes, mmap and madvise.
#include "core/platform/target.h"

#ifdef QUORVANE_PLATFORM_LINUX
#include <linux/futex.h>
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

#include "core/platform/pages.h"
#include "core/platform/processors.h"
#include "core/platform/stack_bounds.h"
#include "core/platform/word_wait.h"

namespace quorvane::platform {
namespace {

static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));

std::uint32_t* futex_word(std::atomic<std::uint32_t>& word) {
  return reinterpret_cast<std::uint32_t*>(&word);
}

void* map_anonymous(std::size_t bytes) {
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

}  // namespace

void wait_on_word(std::atomic<std::uint32_t>& word, std::uint32_t seen,
                  std::chrono::nanoseconds timeout) noexcept {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
  const timespec relative{static_cast<std::time_t>(seconds.count()),
                          static_cast<long>((timeout - seconds).count())};
  syscall(SYS_futex, futex_word(word), FUTEX_WAIT_PRIVATE, seen, &relative, nullptr, 0);
}

void wake_one(std::atomic<std::uint32_t>& word) noexcept {
  syscall(SYS_futex, futex_word(word), FUTEX_WAKE_PRIVATE, 1, nullptr, nullptr, 0);
}

std::size_t usable_processors() noexcept {
  cpu_set_t cpus;
  if (sched_getaffinity(0, sizeof cpus, &cpus) != 0) return portable::usable_processors();
  return std::max(1, CPU_COUNT(&cpus));
}

StackBounds this_thread_stack() noexcept {
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return portable::this_thread_stack();
  void* base = nullptr;
  std::size_t size = 0;
  const int got = pthread_attr_getstack(&attr, &base, &size);
  pthread_attr_destroy(&attr);
  if (got != 0) return portable::this_thread_stack();
  const auto low = reinterpret_cast<std::uintptr_t>(base);
  return {low, low + size};
}

std::size_t page_size() noexcept {
  static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  return size;
}

// Maps a huge page more than asked and unmaps the ends around the aligned
// part.
void* map_pages(std::size_t bytes) noexcept {
  if (bytes % kHugePageBytes != 0) return map_anonymous(bytes);
  char* span = static_cast<char*>(map_anonymous(bytes + kHugePageBytes));
  if (!span) return nullptr;
  const auto address = reinterpret_cast<std::uintptr_t>(span);
  const std::uintptr_t skip = (kHugePageBytes - address % kHugePageBytes) % kHugePageBytes;
  char* const pages = span + skip;
  if (skip != 0) ::munmap(span, skip);
  if (skip != kHugePageBytes) ::munmap(pages + bytes, kHugePageBytes - skip);
  ::madvise(pages, bytes, MADV_HUGEPAGE);  // without it, small pages serve
  return pages;
}

void unmap_pages(void* pages, std::size_t bytes) noexcept { ::munmap(pages, bytes); }

bool shrink_pages(void* pages, std::size_t bytes, std::size_t kept) noexcept {
  return ::munmap(static_cast<char*>(pages) + kept, bytes - kept) == 0;
}

void discard_pages(void* pages, std::size_t bytes) noexcept {
  ::madvise(pages, bytes, MADV_DONTNEED);
}

}  // namespace quorvane::platform
#endif
