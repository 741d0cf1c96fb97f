#include "core/value/document.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <chrono>
#include <memory>
#include <random>

#include "core/value/value_region.h"

namespace quorvane {
namespace {

std::uint64_t entropy() {
  try {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  } catch (...) {
    // No entropy source: fall back to the clock and an address (ASLR).
    static int anchor;
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           reinterpret_cast<std::uintptr_t>(&anchor);
  }
}

}  // namespace

std::uint64_t random_seed() {
  // splitmix64: every output is a bijection of the state, so successive
  // tables of one thread never share a seed.
  thread_local std::uint64_t state = entropy();
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

namespace {

constexpr std::size_t kFirstSmallCapacity = 2;
constexpr std::uint32_t kFewestSlotBits = 5;

// The index has at least twice as many slots as the block has room for
// entries, so it is never more than half full.
std::uint32_t slot_bits_for(std::size_t capacity) noexcept {
  return std::max(kFewestSlotBits, static_cast<std::uint32_t>(std::bit_width(2 * capacity - 1)));
}

// Bytes of an index slot: up to 255 entries the position alone, beyond it
// a position of 16 or 32 bits and as many bits of the hash.
std::uint32_t slot_width_for(std::size_t capacity) noexcept {
  return capacity <= 0xFF ? 1 : capacity <= 0xFFFF ? 4 : 8;
}

// XXH3_64bits_withSeed, with the path of keys of up to 16 bytes (nearly all
// of them) inline: the compiler keeps the whole function out of line.
inline std::uint64_t hash_key(std::string_view key, std::uint64_t seed) noexcept {
  if (key.size() <= 16) {
    return XXH3_len_0to16_64b(reinterpret_cast<const xxh_u8*>(key.data()), key.size(),
                              XXH3_kSecret, seed);
  }
  return XXH3_64bits_withSeed(key.data(), key.size(), seed);
}

// The slot a hash points to first: its top bits, XXH3's best mixed.
std::size_t home_slot(std::uint64_t hash, std::uint32_t slot_bits) noexcept {
  return static_cast<std::size_t>(hash >> (64 - slot_bits));
}

}  // namespace

// Delegates to the default constructor first: *this is then a complete
// object, so when a copy throws part-way, ~Document runs and frees the block
// and the entries copied so far. An indexed copy keeps the source's room,
// seed and index, and with them its order.
Document::Document(const Document& other) : Document() {
  if (!other.block_) return;
  const std::size_t n = other.block_->size;
  if (is_indexed(other.block_)) {
    const std::size_t capacity = capacity_of(other.block_);
    bool in_region;
    block_ = static_cast<Block*>(allocate_value_block(block_bytes(capacity), in_region));
    *block_ = Block{0, static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
    // The seed and the index, as they are.
    const std::size_t head = sizeof(Block) + capacity * sizeof(Entry);
    std::memcpy(reinterpret_cast<char*>(block_) + head,
                reinterpret_cast<const char*>(other.block_) + head, block_bytes(capacity) - head);
  } else {
    grow_small(n);
  }
  const Entry* from = entries_of(other.block_);
  Entry* to = entries_of(block_);
  for (std::size_t i = 0; i < n; ++i) {
    new (&to[i]) Entry(from[i]);
    block_->size = static_cast<std::uint32_t>(i + 1);  // what ~Document destroys if the next copy throws
  }
}

Document& Document::operator=(const Document& other) {
  if (this != &other) *this = Document(other);
  return *this;
}

Document& Document::operator=(Document&& other) noexcept {
  if (this != &other) {
    Block* taken = other.block_;
    other.block_ = nullptr;
    free_block(block_);
    block_ = taken;
  }
  return *this;
}

Document::~Document() { free_block(block_); }

std::size_t Document::block_bytes(std::size_t capacity) noexcept {
  const std::size_t entries = sizeof(Block) + capacity * sizeof(Entry);
  if (capacity <= kSmallDocumentMax) return entries;
  const std::size_t slots = (std::size_t{1} << slot_bits_for(capacity)) * slot_width_for(capacity);
  return (entries + sizeof(TableInfo) + slots + 7) & ~std::size_t{7};
}

void Document::free_block(Block* block) noexcept {
  if (!block) return;
  Entry* entries = entries_of(block);
  for (std::size_t i = 0; i < block->size; ++i) entries[i].~Entry();
  give_up(block);
}

void Document::give_up(Block* block) noexcept {
  free_value_block(block, block_bytes(capacity_of(block)), (block->capacity & kInRegion) != 0);
}

// The hash bits that a slot of type Slot keeps above the position.
template <class Slot, unsigned kPositionBits>
Slot tag_of(std::uint64_t hash) noexcept {
  if constexpr (sizeof(Slot) == 1) {
    return 0;
  } else {
    return static_cast<Slot>(hash << kPositionBits);
  }
}

template <class Slot>
void Document::probe_slots(const Block* block, Probe& at, std::string_view key) noexcept {
  const Slot* slots = slots_of<Slot>(block);
  const std::size_t mask = (std::size_t{1} << table_info(block).slot_bits) - 1;
  const Entry* entries = entries_of(block);
  const Slot tag = tag_of<Slot, kPositionBits<Slot>>(at.hash);
  for (;; at.slot = (at.slot + 1) & mask) {
    const Slot slot = slots[at.slot];
    if (slot == kEmptySlot<Slot>) return;
    if ((slot & ~static_cast<Slot>(position_in(kEmptySlot<Slot>))) != tag) continue;
    const std::uint32_t position = position_in(slot);
    if (KeyEqual{}(entries[position].key.view(), key)) {
      at.position = position;
      return;
    }
  }
}

Document::Probe Document::probe(const Block* block, std::string_view key) noexcept {
  const TableInfo& info = table_info(block);
  const std::uint64_t hash = hash_key(key, info.seed);
  Probe at{hash, home_slot(hash, info.slot_bits), kNoEntry};
  switch (info.slot_width) {
    case 1: probe_slots<std::uint8_t>(block, at, key); break;
    case 4: probe_slots<std::uint32_t>(block, at, key); break;
    default: probe_slots<std::uint64_t>(block, at, key); break;
  }
  return at;
}

const DataType* Document::find_indexed(std::string_view key) const noexcept {
  const Probe at = probe(block_, key);
  return at.position == kNoEntry ? nullptr : &entries_of(block_)[at.position].value;
}

void Document::set_slot(Block* block, const Probe& at, std::uint32_t position) noexcept {
  switch (table_info(block).slot_width) {
    case 1:
      slots_of<std::uint8_t>(block)[at.slot] = static_cast<std::uint8_t>(position);
      break;
    case 4:
      slots_of<std::uint32_t>(block)[at.slot] =
          position | tag_of<std::uint32_t, kPositionBits<std::uint32_t>>(at.hash);
      break;
    default:
      slots_of<std::uint64_t>(block)[at.slot] =
          position | tag_of<std::uint64_t, kPositionBits<std::uint64_t>>(at.hash);
      break;
  }
}

// Backward-shift deletion: each slot after the hole that may move back to it
// (its key's home slot is not between the hole and itself) does, until an
// empty slot ends the run.
template <class Slot>
void Document::clear_slots(Block* block, std::size_t hole) noexcept {
  const TableInfo& info = table_info(block);
  const Entry* entries = entries_of(block);
  Slot* slots = slots_of<Slot>(block);
  const std::size_t mask = (std::size_t{1} << info.slot_bits) - 1;
  for (std::size_t next = (hole + 1) & mask;; next = (next + 1) & mask) {
    const Slot slot = slots[next];
    if (slot == kEmptySlot<Slot>) break;
    const std::uint64_t hash = hash_key(entries[position_in(slot)].key.view(), info.seed);
    const std::size_t home = home_slot(hash, info.slot_bits);
    if (((next - home) & mask) >= ((next - hole) & mask)) {
      slots[hole] = slot;
      hole = next;
    }
  }
  slots[hole] = kEmptySlot<Slot>;
}

void Document::clear_slot(Block* block, std::size_t slot) noexcept {
  switch (table_info(block).slot_width) {
    case 1: return clear_slots<std::uint8_t>(block, slot);
    case 4: return clear_slots<std::uint32_t>(block, slot);
    default: return clear_slots<std::uint64_t>(block, slot);
  }
}

void Document::insert_or_assign(std::string_view key, DataType&& value) {
  if (block_ && is_indexed(block_)) {
    Probe at = probe(block_, key);
    if (at.position != kNoEntry) {
      entries_of(block_)[at.position].value = std::move(value);
      return;
    }
    const std::size_t n = block_->size;
    if (n == capacity_of(block_)) {
      if (n >= kMaxCapacity) throw std::bad_alloc();
      rehouse(std::min(2 * n, kMaxCapacity), table_info(block_).seed);
      at = probe(block_, key);
    }
    new (&entries_of(block_)[n]) Entry{CompactString(key), std::move(value)};
    set_slot(block_, at, static_cast<std::uint32_t>(n));
    ++block_->size;
    return;
  }
  if (DataType* existing = find(key)) {
    *existing = std::move(value);
    return;
  }
  const std::size_t n = block_ ? block_->size : 0;
  if (n == kSmallDocumentMax) {
    rehouse(2 * kSmallDocumentMax, random_seed());
    insert_or_assign(key, std::move(value));
    return;
  }
  if (!block_ || n == capacity_of(block_)) {
    grow_small(std::min(kSmallDocumentMax, std::max(kFirstSmallCapacity, 2 * n)));
  }
  new (&entries_of(block_)[n]) Entry{CompactString(key), std::move(value)};
  ++block_->size;
}

bool Document::erase(std::string_view key) {
  if (!block_ || block_->size == 0) return false;
  Entry* entries = entries_of(block_);
  const std::size_t last = block_->size - 1;
  if (!is_indexed(block_)) {
    for (std::size_t i = 0; i <= last; ++i) {
      if (!KeyEqual{}(entries[i].key.view(), key)) continue;
      for (std::size_t j = i + 1; j <= last; ++j) entries[j - 1] = std::move(entries[j]);
      entries[last].~Entry();
      --block_->size;
      return true;
    }
    return false;
  }
  const Probe at = probe(block_, key);
  if (at.position == kNoEntry) return false;
  clear_slot(block_, at.slot);
  if (at.position != last) {
    // The last entry fills the hole: its slot now names the hole's position.
    set_slot(block_, probe(block_, entries[last].key.view()), at.position);
    entries[at.position] = std::move(entries[last]);
  }
  entries[last].~Entry();
  --block_->size;
  return true;
}

void Document::reserve(std::size_t n) {
  if (block_ && is_indexed(block_)) {
    if (n > capacity_of(block_)) {
      if (n > kMaxCapacity) throw std::bad_alloc();
      rehouse(n, table_info(block_).seed);
    }
  } else if (n > kSmallDocumentMax) {
    if (n > kMaxCapacity) throw std::bad_alloc();
    rehouse(n, random_seed());
  } else if (n > (block_ ? capacity_of(block_) : 0)) {
    grow_small(n);
  }
}

void Document::shrink_to_fit() noexcept {
  if (!block_ || !is_indexed(block_)) return;
  const std::size_t fitted = std::max<std::size_t>(block_->size, kSmallDocumentMax + 1);
  if (2 * fitted > capacity_of(block_)) return;
  try {
    rehouse(fitted, table_info(block_).seed);
  } catch (const std::bad_alloc&) {
    // The larger block serves as well.
  }
}

// The fresh block comes from the active region if there is one; either way,
// the old block is given up as what it was.
void Document::grow_small(std::size_t capacity) {
  bool in_region;
  auto* fresh =
      static_cast<Block*>(allocate_value_block(block_bytes(capacity), in_region));
  const std::size_t n = block_ ? block_->size : 0;
  *fresh = Block{static_cast<std::uint32_t>(n),
                 static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
  Entry* to = entries_of(fresh);
  if (block_) {
    Entry* from = entries_of(block_);
    for (std::size_t i = 0; i < n; ++i) {
      new (&to[i]) Entry(std::move(from[i]));
      from[i].~Entry();
    }
    give_up(block_);
  }
  block_ = fresh;
}

void Document::rehouse(std::size_t capacity, std::uint64_t seed) {
  bool in_region;
  auto* fresh =
      static_cast<Block*>(allocate_value_block(block_bytes(capacity), in_region));
  *fresh = Block{0, static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
  TableInfo& info = table_info(fresh);
  info = TableInfo{seed, slot_bits_for(capacity), slot_width_for(capacity)};
  std::memset(&info + 1, 0xFF, (std::size_t{1} << info.slot_bits) * info.slot_width);
  if (block_) {
    switch (info.slot_width) {
      case 1: move_in_index_order<std::uint8_t>(fresh, block_); break;
      case 4: move_in_index_order<std::uint32_t>(fresh, block_); break;
      default: move_in_index_order<std::uint64_t>(fresh, block_); break;
    }
    give_up(block_);
  }
  block_ = fresh;
}

// Two passes: the old entries are indexed where they are (their keys differ,
// so each takes the first empty slot from its home), then moved over in the
// order of the index, renumbered as they go, so that enumerating the fresh
// block reads the entries it moved in turn.
template <class Slot>
void Document::move_in_index_order(Block* fresh, Block* old) noexcept {
  const TableInfo& info = table_info(fresh);
  Slot* slots = slots_of<Slot>(fresh);
  const std::size_t count = std::size_t{1} << info.slot_bits;
  const std::size_t mask = count - 1;
  Entry* from = entries_of(old);
  for (std::size_t i = 0; i < old->size; ++i) {
    const std::uint64_t hash = hash_key(from[i].key.view(), info.seed);
    std::size_t slot = home_slot(hash, info.slot_bits);
    while (slots[slot] != kEmptySlot<Slot>) slot = (slot + 1) & mask;
    slots[slot] = static_cast<Slot>(i) | tag_of<Slot, kPositionBits<Slot>>(hash);
  }
  Entry* to = entries_of(fresh);
  const Slot positions = static_cast<Slot>(position_in(kEmptySlot<Slot>));
  std::uint32_t next = 0;
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (slots[slot] == kEmptySlot<Slot>) continue;
    const std::uint32_t position = position_in(slots[slot]);
    new (&to[next]) Entry(std::move(from[position]));
    from[position].~Entry();
    slots[slot] = static_cast<Slot>((slots[slot] & ~positions) | next);
    fresh->size = ++next;
  }
}

}  // namespace quorvane
