// ValueRegion: one allocation region for the value blocks that a load makes.
//
// Blocks are bump-allocated, 8-byte aligned, from large chunks of whole
// pages (growing geometrically) and are never freed one by one: the region
// unmaps all its chunks at once when it is destroyed. Whoever owns a region
// must therefore destroy every value with a block in it first; the Database
// keeps the regions of its load for this (database.h).
//
// ValueRegionScope makes a region the calling thread's active region. While
// a scope is alive, the blocks that values make on that thread (array and
// document blocks, texts and keys longer than their inline room, ids) come
// from the region and are marked as region blocks: releasing or
// regrowing such a block abandons it instead of calling operator delete. A
// copy made outside any scope is an ordinary heap value, so values leave a
// region only by being copied.
//
// A region is used by one thread at a time; it may be moved to another
// owner, but not while a scope over it is alive. Each thread of a parallel
// load takes a region and a scope of its own.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define QUORVANE_REGION_POISONING 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVANE_REGION_POISONING 1
#endif
#endif
#ifdef QUORVANE_REGION_POISONING
#include <sanitizer/asan_interface.h>
#endif

namespace quorvane {

class ValueRegion {
 public:
  static constexpr std::size_t kFirstChunk = std::size_t{256} << 10;
  static constexpr std::size_t kLargestChunk = std::size_t{8} << 20;

  // Maps nothing until the first block. Chunks start at `first_chunk` bytes
  // (rounded up to whole pages; tests use small ones to make many chunks).
  explicit ValueRegion(std::size_t first_chunk = kFirstChunk) noexcept;
  ValueRegion(ValueRegion&& other) noexcept;
  ValueRegion& operator=(ValueRegion&& other) noexcept;
  ValueRegion(const ValueRegion&) = delete;
  ValueRegion& operator=(const ValueRegion&) = delete;
  // Unmaps every chunk: every block handed out becomes invalid.
  ~ValueRegion();

  // A block of `bytes` (> 0), 8-byte aligned, valid for the region's life.
  // Throws std::bad_alloc when no chunk can be mapped, as operator new does.
  void* allocate(std::size_t bytes) {
    const std::size_t rounded = round_up(bytes) + kGap;
    if (rounded <= static_cast<std::size_t>(end_ - next_)) [[likely]] {
      char* block = next_;
      next_ += rounded;
      mark_used(block, bytes);
      return block;
    }
    return allocate_slow(bytes);
  }

  // Marks `bytes` at `block`, a block of this or any region that its value
  // gives up, as no longer in use. The bytes stay mapped until the region
  // goes, but the whole pages of a block of kGiveBackBytes or more are given
  // back to the system where it allows that (core/platform/pages.h), so
  // that a large table or value given up stops taking resident memory.
  static void abandon([[maybe_unused]] void* block, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef QUORVANE_REGION_POISONING
    ASAN_POISON_MEMORY_REGION(block, bytes);
#endif
    if (bytes >= kGiveBackBytes) [[unlikely]] give_back_pages(block, bytes);
  }
  static constexpr std::size_t kGiveBackBytes = std::size_t{64} << 10;

  // Gives back the whole pages of the current chunk past its last block: for
  // the end of a load, after which few blocks are expected. Later blocks may
  // map a new chunk.
  void trim() noexcept;

  // Bytes mapped in all (chunk headers and unused tails included).
  std::size_t mapped_bytes() const noexcept { return mapped_; }

 private:
  struct Chunk;

  static constexpr std::size_t kAlignment = 8;
#ifdef QUORVANE_REGION_POISONING
  // Under AddressSanitizer the free bytes of a chunk are poisoned and every
  // block is followed by a poisoned gap, so that reading past a block's end is
  // reported as it would be for a heap block.
  static constexpr std::size_t kGap = 16;
#else
  static constexpr std::size_t kGap = 0;
#endif

  static constexpr std::size_t round_up(std::size_t bytes) noexcept {
    return (bytes + kAlignment - 1) & ~(kAlignment - 1);
  }
  static void mark_used([[maybe_unused]] void* block, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef QUORVANE_REGION_POISONING
    ASAN_UNPOISON_MEMORY_REGION(block, bytes);
#endif
  }
  void* allocate_slow(std::size_t bytes);
  static void give_back_pages(void* block, std::size_t bytes) noexcept;
  // Maps a chunk of at least `bytes` and links it into chunks_.
  Chunk* map_chunk(std::size_t bytes);
  void release_all() noexcept;

  Chunk* chunks_ = nullptr;   // every chunk, newest first
  Chunk* current_ = nullptr;  // the chunk that next_ and end_ point into
  char* next_ = nullptr;
  char* end_ = nullptr;
  std::size_t next_chunk_;  // the size of the next chunk of the geometric series
  std::size_t mapped_ = 0;
};

// For tests of allocation failure. When set, may_map is called before each
// chunk is mapped (returning false fails that mapping with std::bad_alloc, as
// if mmap had failed), mapped after each chunk is mapped and unmapped after
// each is given back. Global, not per thread: set it while no region maps or
// unmaps on another thread.
struct RegionChunkObserver {
  bool (*may_map)(std::size_t bytes) = nullptr;
  void (*mapped)(std::size_t bytes) = nullptr;
  void (*unmapped)(std::size_t bytes) = nullptr;
};
void observe_region_chunks(RegionChunkObserver observer) noexcept;

namespace region_detail {
// The region of the calling thread's innermost scope, or nullptr.
extern constinit thread_local ValueRegion* t_active;
}  // namespace region_detail

inline ValueRegion* active_value_region() noexcept { return region_detail::t_active; }

// Makes `region` the calling thread's active region for the scope's life.
// Scopes nest: the innermost wins and the one before is restored at its end.
// REQUIRES: `region` outlives the scope and is not moved meanwhile.
class ValueRegionScope {
 public:
  explicit ValueRegionScope(ValueRegion& region) noexcept : previous_(region_detail::t_active) {
    region_detail::t_active = &region;
  }
  ValueRegionScope(const ValueRegionScope&) = delete;
  ValueRegionScope& operator=(const ValueRegionScope&) = delete;
  ~ValueRegionScope() { region_detail::t_active = previous_; }

 private:
  ValueRegion* previous_;
};

// Suspends the calling thread's active region for the pause's life, so that
// code that is not part of the load (a callback) makes ordinary heap values.
class ValueRegionPause {
 public:
  ValueRegionPause() noexcept : previous_(region_detail::t_active) {
    region_detail::t_active = nullptr;
  }
  ValueRegionPause(const ValueRegionPause&) = delete;
  ValueRegionPause& operator=(const ValueRegionPause&) = delete;
  ~ValueRegionPause() { region_detail::t_active = previous_; }

 private:
  ValueRegion* previous_;
};

// A block of `bytes` for a value: from the active region if there is one
// (and then `in_region` is set), else from operator new.
inline void* allocate_value_block(std::size_t bytes, bool& in_region) {
  if (ValueRegion* region = active_value_region()) {
    in_region = true;
    return region->allocate(bytes);
  }
  in_region = false;
  return ::operator new(bytes);
}

// Gives up a block of allocate_value_block: a heap block goes back to
// operator delete, a region block is only abandoned.
inline void free_value_block(void* block, std::size_t bytes, bool in_region) noexcept {
  if (in_region) {
    ValueRegion::abandon(block, bytes);
  } else {
    ::operator delete(block);
  }
}

}  // namespace quorvane
