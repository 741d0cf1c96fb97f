#include "core/value/value_region.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/platform/pages.h"

#ifdef QUORVANE_REGION_POISONING
#include <sanitizer/lsan_interface.h>
#endif

namespace quorvane {

namespace region_detail {
constinit thread_local ValueRegion* t_active = nullptr;
}  // namespace region_detail

// The header at the start of each chunk; the blocks follow it.
struct ValueRegion::Chunk {
  Chunk* previous;
  std::size_t size;  // bytes mapped, this header included
};

namespace {

RegionChunkObserver g_observer;

std::size_t round_to(std::size_t bytes, std::size_t unit) {
  return (bytes + unit - 1) / unit * unit;
}

// Tells the leak checker to look for pointers in [p, p + bytes): heap blocks
// that only region blocks point to (values set into a loaded collection) are
// live.
void watch([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef QUORVANE_REGION_POISONING
  __lsan_register_root_region(p, bytes);
#endif
}

void unwatch([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef QUORVANE_REGION_POISONING
  __lsan_unregister_root_region(p, bytes);
#endif
}

// Pages given back are unpoisoned first: they may be mapped again for others.
void unpoison([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef QUORVANE_REGION_POISONING
  ASAN_UNPOISON_MEMORY_REGION(p, bytes);
#endif
}

}  // namespace

void observe_region_chunks(RegionChunkObserver observer) noexcept { g_observer = observer; }

ValueRegion::ValueRegion(std::size_t first_chunk) noexcept
    : next_chunk_(round_to(std::max(first_chunk, sizeof(Chunk)), platform::page_size())) {}

ValueRegion::ValueRegion(ValueRegion&& other) noexcept
    : chunks_(std::exchange(other.chunks_, nullptr)),
      current_(std::exchange(other.current_, nullptr)),
      next_(std::exchange(other.next_, nullptr)),
      end_(std::exchange(other.end_, nullptr)),
      next_chunk_(other.next_chunk_),
      mapped_(std::exchange(other.mapped_, 0)) {}

ValueRegion& ValueRegion::operator=(ValueRegion&& other) noexcept {
  if (this != &other) {
    release_all();
    chunks_ = std::exchange(other.chunks_, nullptr);
    current_ = std::exchange(other.current_, nullptr);
    next_ = std::exchange(other.next_, nullptr);
    end_ = std::exchange(other.end_, nullptr);
    next_chunk_ = other.next_chunk_;
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

ValueRegion::~ValueRegion() { release_all(); }

void ValueRegion::release_all() noexcept {
  while (chunks_) {
    Chunk* chunk = chunks_;
    chunks_ = chunk->previous;
    const std::size_t size = chunk->size;
    unwatch(chunk, size);
    unpoison(chunk, size);
    platform::unmap_pages(chunk, size);
    if (g_observer.unmapped) g_observer.unmapped(size);
  }
  current_ = nullptr;
  next_ = end_ = nullptr;
  mapped_ = 0;
}

ValueRegion::Chunk* ValueRegion::map_chunk(std::size_t bytes) {
  const std::size_t size = round_to(bytes, platform::page_size());
  if (size < bytes) throw std::bad_alloc();
  if (g_observer.may_map && !g_observer.may_map(size)) throw std::bad_alloc();
  auto* chunk = static_cast<Chunk*>(platform::map_pages(size));
  if (!chunk) throw std::bad_alloc();
  if (g_observer.mapped) g_observer.mapped(size);
  watch(chunk, size);
  abandon(chunk, size);  // nothing in use yet
  mark_used(chunk, sizeof(Chunk));
  *chunk = Chunk{chunks_, size};
  chunks_ = chunk;
  mapped_ += size;
  return chunk;
}

void* ValueRegion::allocate_slow(std::size_t bytes) {
  const std::size_t rounded = round_up(bytes) + kGap;
  if (rounded < bytes || rounded > SIZE_MAX / 2) throw std::bad_alloc();
  const std::size_t needed = sizeof(Chunk) + rounded;
  if (needed > next_chunk_ / 4) {
    // A large block gets a chunk of its own; the current chunk stays, so that
    // its free bytes still serve the small blocks that follow.
    char* block = reinterpret_cast<char*>(map_chunk(needed) + 1);
    mark_used(block, bytes);
    return block;
  }
  Chunk* chunk = map_chunk(next_chunk_);
  next_chunk_ = std::min(next_chunk_ * 2, std::max(kLargestChunk, next_chunk_));
  current_ = chunk;
  next_ = reinterpret_cast<char*>(chunk + 1);
  end_ = reinterpret_cast<char*>(chunk) + chunk->size;
  char* block = next_;
  next_ += rounded;
  mark_used(block, bytes);
  return block;
}

void ValueRegion::give_back_pages(void* block, std::size_t bytes) noexcept {
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::size_t page = platform::page_size();
  const std::uintptr_t first = round_to(start, page);
  const std::uintptr_t end = (start + bytes) / page * page;
  if (end > first) platform::discard_pages(reinterpret_cast<void*>(first), end - first);
}

void ValueRegion::trim() noexcept {
  if (!current_) return;
  char* start = reinterpret_cast<char*>(current_);
  const std::size_t size = current_->size;
  const std::size_t kept = round_to(static_cast<std::size_t>(next_ - start), platform::page_size());
  if (kept >= size) return;
  unwatch(start, size);
  unpoison(start + kept, size - kept);
  if (!platform::shrink_pages(start, size, kept)) {  // the tail stays, free
    abandon(start + kept, size - kept);
    watch(start, size);
    return;
  }
  mapped_ -= size - kept;
  current_->size = kept;
  end_ = start + kept;
  watch(start, kept);
}

}  // namespace quorvane
