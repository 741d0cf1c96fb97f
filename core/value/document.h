// The map from string keys to values that a Document variant holds, and the
// content of every collection. Keys are compared byte for byte.
//
// Enumeration order is unspecified. Small documents (up to kSmallDocumentMax
// entries, the shape of most nested values) are a plain vector of entries;
// larger ones are an open-addressing table hashed with a seed drawn
// at random for each table, so that every table enumerates in an order of
// its own and colliding keys cannot be prepared in advance. A copy keeps its
// source's seed and slots, so it enumerates as its source does.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

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

  std::size_t size() const noexcept { return block_ ? block_->size : 0; }
  bool empty() const noexcept { return size() == 0; }

  // The value stored under `key`, or nullptr. Valid until the next change.
  // Inline: this lookup is the hot path of reading a key. Small blocks are
  // searched out of line, so that a caller keeps few registers for tables.
  const DataType* find(std::string_view key) const {
    if (!block_) return nullptr;
    if (is_indexed(block_)) return find_indexed(key);
    return find_small(key);
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

  // Gives back the room of an indexed document that its entries use less
  // than half of, moving them into a block sized for them alone: for tables
  // sized from an estimate that proved too high. Changes nothing, and keeps
  // the document as it is, if no block can be had.
  void shrink_to_fit() noexcept;

  // Removes the entry of `key`; returns whether there was one.
  bool erase(std::string_view key);

  // Calls visit(std::string_view key, const DataType& value) for each entry,
  // in the document's own order. The document must not change meanwhile.
  template <class Visit>
  void for_each(Visit&& visit) const {
    if (!block_) return;
    const Entry* entries = entries_of(block_);
    if (!is_indexed(block_)) {
      for (std::size_t i = 0; i < block_->size; ++i) visit(entries[i].key.view(), entries[i].value);
      return;
    }
    const std::uint8_t* control = control_of(block_);
    const std::size_t count = table_info(block_).slot_count;
    // 64 slots at a time: a mask of the occupied ones, made without a branch
    // per slot (whether a slot is empty is a coin toss), then its bits.
    for (std::size_t base = 0; base < count; base += 64) {
      const std::size_t in_block = count - base < 64 ? count - base : 64;
      std::uint64_t occupied = 0;
      for (std::size_t i = 0; i < in_block; ++i) {
        occupied |= std::uint64_t{control[base + i] != kEmptyControl} << i;
      }
      for (; occupied != 0; occupied &= occupied - 1) {
        const Entry& entry = entries[base + std::countr_zero(occupied)];
        visit(entry.key.view(), entry.value);
      }
    }
  }

 private:
  struct Entry {
    CompactString key;
    DataType value;
  };
  // One block, from the heap or a ValueRegion (then kInRegion is set in
  // `capacity`). A block with room for up to kSmallDocumentMax entries is
  // this 8-byte header and the entries, of which the first `size` are in use,
  // in the order they were added (an erased entry's place is taken by the
  // following ones); it is searched from first to last.
  //
  // A larger block is indexed: the header, a TableInfo, then slot_count
  // entry slots from the first 32-byte boundary (so that an entry never
  // straddles two cache lines), then one control byte per slot: kEmptyControl,
  // or 7 bits of the hash of the key in the slot (and kControlCopies more).
  // The slots are probed linearly from the one the hash picks, a group of
  // control bytes at a time, reading only the entries whose control byte agrees, so
  // that a lookup touches the control bytes (1 byte a slot, mostly in cache)
  // and one entry's line. Erasing shifts later slots back, so that the first
  // empty slot ends every probe. slot_count is more than capacity * 25 / 24:
  // a table sized for its entries, as a load sizes it, takes 34.4 bytes an
  // entry, and there is always an empty slot to end a probe.
  struct Block {
    std::uint32_t size;
    std::uint32_t capacity;
  };
  struct TableInfo {
    std::uint64_t seed;
    std::uint64_t slot_count;
  };
  static constexpr std::uint32_t kInRegion = std::uint32_t{1} << 31;
  static constexpr std::size_t kMaxCapacity = kInRegion - 1;
  static constexpr std::uint8_t kEmptyControl = 0x80;
  static constexpr std::size_t kEntryAlignment = 32;
  // Blocks are 8-byte aligned at least (a region's are no more).
  static constexpr std::size_t kBlockAlignment = 8;

  static std::size_t capacity_of(const Block* block) noexcept { return block->capacity & ~kInRegion; }
  static bool is_indexed(const Block* block) noexcept {
    return capacity_of(block) > kSmallDocumentMax;
  }
  // REQUIRES: is_indexed(block).
  static TableInfo& table_info(const Block* block) noexcept {
    return *reinterpret_cast<TableInfo*>(const_cast<Block*>(block) + 1);
  }
  static Entry* entries_of(const Block* block) noexcept {
    if (is_indexed(block)) return slots_of(block);
    return reinterpret_cast<Entry*>(const_cast<Block*>(block) + 1);
  }
  // REQUIRES: is_indexed(block).
  static Entry* slots_of(const Block* block) noexcept {
    const auto info_end = reinterpret_cast<std::uintptr_t>(&table_info(block) + 1);
    return reinterpret_cast<Entry*>((info_end + kEntryAlignment - 1) & ~(kEntryAlignment - 1));
  }
  // REQUIRES: is_indexed(block).
  static std::uint8_t* control_of(const Block* block) noexcept {
    return reinterpret_cast<std::uint8_t*>(slots_of(block) + table_info(block).slot_count);
  }

  // The control bytes of the first kControlCopies slots are copied after
  // the last slot's, so that a probe reads a group of them at once from any
  // slot.
#if defined(__SSE2__)
  static constexpr std::size_t kControlCopies = 15;
#else
  static constexpr std::size_t kControlCopies = 7;
#endif
  static void set_control(Block* block, std::size_t slot, std::uint8_t c) noexcept {
    std::uint8_t* control = control_of(block);
    control[slot] = c;
    if (slot < kControlCopies) control[table_info(block).slot_count + slot] = c;
  }

  const DataType* find_indexed(std::string_view key) const noexcept;
  // find of a block that is not indexed.
  const DataType* find_small(std::string_view key) const noexcept;
  // find_small, inline. REQUIRES: the block is null or not indexed.
  DataType* scan_small(std::string_view key) const noexcept {
    if (!block_) return nullptr;
    Entry* entries = entries_of(block_);
    for (std::size_t i = 0; i < block_->size; ++i) {
      if (KeyEqual{}(entries[i].key.view(), key)) return &entries[i].value;
    }
    return nullptr;
  }
  // find_indexed of a key longer than CompactString::kInlineCapacity.
  [[gnu::noinline]] static const DataType* find_long(const Block* block,
                                                     std::string_view key) noexcept;
  // Where `key` is or would go in an indexed block.
  struct Probe {
    std::uint64_t hash;  // the key's, with the table's seed
    std::size_t slot;    // the key's slot, or the empty slot that ends its probe
    bool found;
  };
  static Probe probe(const Block* block, std::string_view key) noexcept;
  // probe of a key longer than CompactString::kInlineCapacity.
  [[gnu::noinline]] static Probe probe_long(const Block* block, std::string_view key) noexcept;
  // Empties slot `hole`, whose entry is destroyed already, shifting back the
  // slots that follow it.
  static void clear_slot(Block* block, std::size_t hole) noexcept;

  // Bytes of a block with room for `capacity` entries.
  static std::size_t block_bytes(std::size_t capacity) noexcept;
  // Re-houses the small entries in a block with room for `capacity`.
  void grow_small(std::size_t capacity);
  // Moves the entries into an indexed block with room for `capacity` (more
  // than kSmallDocumentMax), hashed with `seed`. Throws std::bad_alloc, and
  // changes nothing, if no block can be had.
  void rehouse(std::size_t capacity, std::uint64_t seed);
  // Destroys what the block holds, then gives the block up; null is fine.
  static void free_block(Block* block) noexcept;
  // Gives up the memory of a block that holds nothing any more.
  static void give_up(Block* block) noexcept;

  Block* block_ = nullptr;  // null while the document has never held anything
};

static_assert(sizeof(Document) == 8);

}  // namespace quorvane
