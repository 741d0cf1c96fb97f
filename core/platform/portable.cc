// The fallbacks of the platform calls, in standard C++ only. Where the build
// does not use Linux's calls (target.h) they are the platform's calls too.
#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <thread>

#include "core/platform/pages.h"
#include "core/platform/processors.h"
#include "core/platform/stack_bounds.h"
#include "core/platform/word_wait.h"

namespace quorvane::platform::portable {
namespace {

// A waker changes the word before it takes the bucket's mutex, and a waiter
// reads the word under that mutex before it sleeps: no wake is lost.
struct Bucket {
  std::mutex mutex;
  std::condition_variable changed;
};

// Never destroyed: threads may still wait while the process exits.
Bucket& bucket_of(const void* word) {
  constexpr std::size_t kBuckets = 64;
  alignas(Bucket) static unsigned char storage[kBuckets * sizeof(Bucket)];
  static Bucket* const buckets = new (storage) Bucket[kBuckets];
  return buckets[(reinterpret_cast<std::uintptr_t>(word) / sizeof(std::uint32_t)) % kBuckets];
}

constexpr std::size_t kPageBytes = 4096;

}  // namespace

void wait_on_word(std::atomic<std::uint32_t>& word, std::uint32_t seen,
                  std::chrono::nanoseconds timeout) noexcept {
  Bucket& bucket = bucket_of(&word);
  std::unique_lock lock(bucket.mutex);
  if (word.load(std::memory_order_relaxed) != seen) return;
  bucket.changed.wait_for(lock, timeout);
}

// Other words share the bucket: all its sleepers wake and look again.
void wake_one(std::atomic<std::uint32_t>& word) noexcept {
  Bucket& bucket = bucket_of(&word);
  { std::lock_guard lock(bucket.mutex); }
  bucket.changed.notify_all();
}

std::size_t usable_processors() noexcept {
  return std::max(1u, std::thread::hardware_concurrency());
}

StackBounds this_thread_stack() noexcept {
  volatile char here = 0;
  const auto high = reinterpret_cast<std::uintptr_t>(&here);
  return {high - std::min<std::uintptr_t>(high, kAssumedStackBytes), high};
}

std::size_t page_size() noexcept { return kPageBytes; }

void* map_pages(std::size_t bytes) noexcept {
  void* pages = ::operator new(bytes, std::align_val_t{kPageBytes}, std::nothrow);
  if (pages) std::memset(pages, 0, bytes);
  return pages;
}

void unmap_pages(void* pages, std::size_t) noexcept {
  ::operator delete(pages, std::align_val_t{kPageBytes});
}

bool shrink_pages(void*, std::size_t, std::size_t) noexcept { return false; }

void discard_pages(void*, std::size_t) noexcept {}

}  // namespace quorvane::platform::portable

#ifndef QUORVANE_PLATFORM_LINUX
namespace quorvane::platform {

void wait_on_word(std::atomic<std::uint32_t>& word, std::uint32_t seen,
                  std::chrono::nanoseconds timeout) noexcept {
  portable::wait_on_word(word, seen, timeout);
}
void wake_one(std::atomic<std::uint32_t>& word) noexcept { portable::wake_one(word); }
std::size_t usable_processors() noexcept { return portable::usable_processors(); }
StackBounds this_thread_stack() noexcept { return portable::this_thread_stack(); }
std::size_t page_size() noexcept { return portable::page_size(); }
void* map_pages(std::size_t bytes) noexcept { return portable::map_pages(bytes); }
void unmap_pages(void* pages, std::size_t bytes) noexcept { portable::unmap_pages(pages, bytes); }
bool shrink_pages(void* pages, std::size_t bytes, std::size_t kept) noexcept {
  return portable::shrink_pages(pages, bytes, kept);
}
void discard_pages(void* pages, std::size_t bytes) noexcept {
  portable::discard_pages(pages, bytes);
}

}  // namespace quorvane::platform
#endif
