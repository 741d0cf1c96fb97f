// Whole pages of memory straight from the system, for the value regions:
// mmap and madvise on Linux; elsewhere operator new, where memory cannot be
// shrunk in place and giving pages back early does nothing. Thread-safe.
#pragma once

#include <cstddef>

#include "core/platform/target.h"

namespace quorvane::platform {

inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// The unit of map_pages; a power of two.
std::size_t page_size() noexcept;

// `bytes` (a multiple of page_size()) of zeroed memory starting on a page
// boundary, or nullptr when the system has none to give. On Linux, when
// `bytes` is a multiple of kHugePageBytes, the memory starts on a huge page
// boundary and asks for huge pages (a hint: far fewer page faults).
void* map_pages(std::size_t bytes) noexcept;

// Gives back memory from map_pages; `bytes` is its size now (shrink_pages).
void unmap_pages(void* pages, std::size_t bytes) noexcept;

// Gives back the part of `bytes` of memory from map_pages past its first
// `kept` bytes (a multiple of page_size(), less than `bytes`) and returns
// true; or returns false, changing nothing, where that cannot be done.
bool shrink_pages(void* pages, std::size_t bytes, std::size_t kept) noexcept;

// The whole pages [pages, pages + bytes) of memory from map_pages are no
// longer needed: they stop taking resident memory and their bytes are lost
// (on Linux they read as zeros). The fallback does nothing.
void discard_pages(void* pages, std::size_t bytes) noexcept;

namespace portable {
std::size_t page_size() noexcept;
void* map_pages(std::size_t bytes) noexcept;
void unmap_pages(void* pages, std::size_t bytes) noexcept;
bool shrink_pages(void* pages, std::size_t bytes, std::size_t kept) noexcept;
void discard_pages(void* pages, std::size_t bytes) noexcept;
}  // namespace portable

}  // namespace quorvane::platform
