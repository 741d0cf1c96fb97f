// The map from string keys to values that a Document variant holds, and the
// content of every collection. Keys are compared byte for byte.
//
// Enumeration order is unspecified. Small documents (up to kSmallDocumentMax
// entries, the shape of most nested values) are a plain vector of entries;
// larger ones a hash table (boost::unordered_flat_map) whose hash is XXH3 with
// a seed drawn at random for each table, so that every table enumerates in an
// order of its own and colliding keys cannot be prepared in advance. A copy
// keeps its source's seed, so copies made one after another enumerate alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include <boost/unordered/unordered_flat_map.hpp>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "core/value/compact_string.h"
#include "core/value/data_type.h"

namespace quorvane {

// XXH3 with a per-table seed; looks up std::string_view without a copy.
struct SeededHash {
  using is_transparent = void;
  using is_avalanching = void;
  std::uint64_t seed;
  std::size_t operator()(std::string_view key) const noexcept {
    return static_cast<std::size_t>(XXH3_64bits_withSeed(key.data(), key.size(), seed));
  }
};

// Byte equality of two ranges of length n. Keys of up to 16 bytes, the most
// common, compare with two overlapping word loads instead of a memcmp call.
inline bool equal_bytes(const char* a, const char* b, std::size_t n) noexcept {
  auto load8 = [](const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
  };
  auto load4 = [](const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
  };
  if (n >= 8 && n <= 16) {
    return load8(a) == load8(b) && load8(a + n - 8) == load8(b + n - 8);
  }
  if (n >= 4 && n < 8) return load4(a) == load4(b) && load4(a + n - 4) == load4(b + n - 4);
  return n == 0 || std::memcmp(a, b, n) == 0;
}

struct KeyEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept {
    return a.size() == b.size() && equal_bytes(a.data(), b.data(), a.size());
  }
};

// A fresh, unpredictable 64-bit seed (a per-thread generator seeded from the
// operating system's entropy once).
std::uint64_t random_seed();

class Document {
 public:
  static constexpr std::size_t kSmallDocumentMax = 8;

  Document() noexcept = default;
  Document(const Document& other);
  Document(Document&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  Document& operator=(const Document& other);
  Document& operator=(Document&& other) noexcept;
  ~Document();

  std::size_t size() const noexcept;
  bool empty() const noexcept { return size() == 0; }

  // The value stored under `key`, or nullptr. Valid until the next change.
  // Inline: this lookup is the hot path of reading a key.
  const DataType* find(std::string_view key) const {
    if (!block_) return nullptr;
    if (Map* table = map()) {
      auto it = table->find(key);
      return it == table->end() ? nullptr : &it->second;
    }
    const Entry* entries = small_entries();
    for (std::size_t i = 0; i < block_->size; ++i) {
      if (KeyEqual{}(entries[i].key.view(), key)) return &entries[i].value;
    }
    return nullptr;
  }
  DataType* find(std::string_view key) {
    return const_cast<DataType*>(static_cast<const Document*>(this)->find(key));
  }

  // Maps `key` to `value`, replacing (and dropping) any earlier value. The
  // key is copied only when it is inserted. The value is moved straight into
  // its slot (no copy passed on by value: this is the hot path of loading).
  // REQUIRES: `value` is no value held by this document.
  void insert_or_assign(std::string_view key, DataType&& value);
  void insert_or_assign(std::string_view key, const DataType& value) {
    insert_or_assign(key, DataType(value));
  }

  // Makes room for `n` entries in all, so that inserting up to that many
  // neither reallocates nor rehashes.
  void reserve(std::size_t n);

  // Removes the entry of `key`; returns whether there was one.
  bool erase(std::string_view key);

  // Calls visit(std::string_view key, const DataType& value) for each entry,
  // in the document's own order. The document must not change meanwhile.
  template <class Visit>
  void for_each(Visit&& visit) const {
    if (!block_) return;
    if (const Map* table = map()) {
      for (const auto& [key, value] : *table) visit(key.view(), value);
    } else {
      const Entry* entries = small_entries();
      for (std::size_t i = 0; i < block_->size; ++i) visit(entries[i].key.view(), entries[i].value);
    }
  }

 private:
  using Map = boost::unordered_flat_map<CompactString, DataType, SeededHash, KeyEqual>;
  struct Entry {
    CompactString key;
    DataType value;
  };
  // One block, from the heap or a ValueRegion (then kInRegion is set in
  // `capacity`). Small: up to `capacity` entries in insertion order right
  // after this 8-byte header. Large: capacity is kMapTag and the header is
  // followed by the hash table's address (a MapBlock). The table itself, and
  // its storage, are always on the heap.
  struct Block {
    std::uint32_t size;
    std::uint32_t capacity;
  };
  struct MapBlock {
    Block header;
    Map* map;
  };
  static constexpr std::uint32_t kInRegion = std::uint32_t{1} << 31;
  static constexpr std::uint32_t kMapTag = kInRegion - 1;

  static bool is_map(const Block* block) noexcept {
    return (block->capacity & ~kInRegion) == kMapTag;
  }
  // The hash table, or nullptr for a small document. REQUIRES: block_.
  Map* map() const noexcept {
    return is_map(block_) ? reinterpret_cast<MapBlock*>(block_)->map : nullptr;
  }
  // Takes ownership of `map`, once the block is made; throws std::bad_alloc
  // (`map` still the caller's) if no block can be.
  static Block* new_map_block(Map* map);

  Entry* small_entries() const noexcept { return reinterpret_cast<Entry*>(block_ + 1); }
  // Room of a small document. REQUIRES: block_ and no hash table.
  std::size_t small_capacity() const noexcept { return block_->capacity & ~kInRegion; }
  // Re-houses the small entries in a block with room for `capacity`.
  void grow_small(std::size_t capacity);
  // Moves the entries into a hash table with room for `capacity` entries.
  void promote(std::size_t capacity);
  // Destroys what the block holds, then gives the block up; null is fine.
  static void free_block(Block* block) noexcept;
  // Gives up the memory of a block that holds nothing any more.
  static void give_up(Block* block) noexcept;

  Block* block_ = nullptr;  // null while the document has never held anything
};

static_assert(sizeof(Document) == 8);

}  // namespace quorvane
