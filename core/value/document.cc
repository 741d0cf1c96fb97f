#include "core/value/document.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <chrono>
#include <memory>
#include <random>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Slots for `capacity` entries: more than capacity * 25 / 24, so that at
// most 24/25 of them are ever full and there is always an empty one to end a
// probe. A fuller table costs longer probes, which the control groups take
// in few steps.
std::size_t slot_count_for(std::size_t capacity) noexcept { return capacity + capacity / 24 + 1; }

// Keys of up to 15 bytes (nearly all) are hashed as the two words an inline
// CompactString holds: each keyed by the seed, multiplied into 128 bits and
// folded, then mixed so that every bit of the result depends on every bit
// of the key (the construction of XXH3's short path, without its branches
// on the length). Longer keys take XXH3 with the seed.
constexpr std::uint64_t kKeyLo = 0x1CAD21F72C81017CULL;
constexpr std::uint64_t kKeyHi = 0xDB979083E96DD4DEULL;

inline std::uint64_t hash_words(CompactString::Words key, std::uint64_t seed) noexcept {
  const std::uint64_t lo = key.lo ^ (kKeyLo + seed);
  const std::uint64_t hi = key.hi ^ (kKeyHi - seed);
  const unsigned __int128 product = static_cast<unsigned __int128>(lo) * hi;
  std::uint64_t h = std::byteswap(lo) + hi +
                    (static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64));
  h ^= h >> 37;
  h *= 0x165667919E3779F9ULL;
  return h ^ (h >> 32);
}

inline std::uint64_t hash_key(std::string_view key, std::uint64_t seed) noexcept {
  if (key.size() <= CompactString::kInlineCapacity) {
    return hash_words(CompactString::inline_words(key), seed);
  }
  return XXH3_64bits_withSeed(key.data(), key.size(), seed);
}

// The slot a hash points to first: the hash scaled to the slot count, so
// its top bits, XXH3's best mixed, choose; the count need not be a power of two.
std::size_t home_slot(std::uint64_t hash, std::size_t count) noexcept {
  return static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * count) >> 64);
}

// The control byte of a key in the table: its hash's 7 low bits.
std::uint8_t control_tag(std::uint64_t hash) noexcept { return static_cast<std::uint8_t>(hash & 0x7F); }

// Probes read the control bytes a group at a time: with the table up to
// 24/25 full, a key lies some 12 slots from its home on average, and a
// group takes as many in one step. Masks hold one bit per slot of the group
// (SSE2: 16 slots, bit i for slot i) or the high bit of each slot's byte
// (elsewhere: 8 slots in a word, byte i for slot i).
#if defined(__SSE2__)
constexpr unsigned kSlotShift = 0;

struct ControlGroup {
  static constexpr std::size_t kWidth = 16;
  __m128i bytes;
  explicit ControlGroup(const std::uint8_t* control) noexcept
      : bytes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(control))) {}
  // Tags never have the high bit; kEmptyControl has it alone.
  std::uint64_t empty() const noexcept {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(bytes));
  }
  std::uint64_t matching(std::uint8_t tag) const noexcept {
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(tag)))));
  }
};
#else
constexpr unsigned kSlotShift = 3;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;

struct ControlGroup {
  static constexpr std::size_t kWidth = 8;
  std::uint64_t bytes;
  explicit ControlGroup(const std::uint8_t* control) noexcept {
    std::memcpy(&bytes, control, sizeof bytes);
    if constexpr (std::endian::native == std::endian::big) bytes = std::byteswap(bytes);
  }
  std::uint64_t empty() const noexcept { return bytes & kHighBits; }
  // The high bit of each byte that equals `tag` (a 7-bit value), exactly: no
  // carry crosses a byte.
  std::uint64_t matching(std::uint8_t tag) const noexcept {
    const std::uint64_t diff = bytes ^ (0x0101010101010101ULL * tag);
    return ~(((diff & kLowBits) + kLowBits) | diff) & kHighBits;
  }
};
#endif

// The slots of a table whose key could be `tag`'s, from `start` on: calls
// found(slot) for each slot ahead of the first empty one whose tag agrees,
// stopping at the first call that returns true. Returns that slot and true,
// or the first empty slot and false. A probe for a key that is absent (an
// insert's) takes few branches this way, and none that depends on where
// the first empty slot is.
template <class Found>
std::pair<std::size_t, bool> scan_groups(const std::uint8_t* control, std::size_t count,
                                         std::size_t start, std::uint8_t tag, Found&& found) {
  for (std::size_t base = start;;) {
    const ControlGroup group(control + base);
    const std::uint64_t empty = group.empty();
    std::uint64_t candidates = group.matching(tag);
    if (empty != 0) candidates &= (empty & (0 - empty)) - 1;  // ahead of the first empty
    for (; candidates != 0; candidates &= candidates - 1) {
      std::size_t slot = base + (static_cast<std::size_t>(std::countr_zero(candidates)) >> kSlotShift);
      if (slot >= count) slot -= count;
      if (found(slot)) return {slot, true};
    }
    if (empty != 0) {
      std::size_t slot = base + (static_cast<std::size_t>(std::countr_zero(empty)) >> kSlotShift);
      return {slot >= count ? slot - count : slot, false};
    }
    base += ControlGroup::kWidth;
    if (base >= count) base -= count;
  }
}

}  // namespace

// Delegates to the default constructor first: *this is then a complete
// object, so when a copy throws part-way, ~Document runs and frees the block
// and the entries copied so far. An indexed copy keeps the source's room,
// seed and index, and with them its order.
Document::Document(const Document& other) : Document() {
  if (!other.block_) return;
  const std::size_t n = other.block_->size;
  if (!is_indexed(other.block_)) {
    grow_small(n);
    const Entry* from = entries_of(other.block_);
    Entry* to = entries_of(block_);
    for (std::size_t i = 0; i < n; ++i) {
      new (&to[i]) Entry(from[i]);
      block_->size = static_cast<std::uint32_t>(i + 1);  // what ~Document destroys if the next copy throws
    }
    return;
  }
  const std::size_t capacity = capacity_of(other.block_);
  bool in_region;
  block_ = static_cast<Block*>(allocate_value_block(block_bytes(capacity), in_region));
  *block_ = Block{0, static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
  const std::size_t count = table_info(other.block_).slot_count;
  table_info(block_) = table_info(other.block_);
  std::uint8_t* control = control_of(block_);
  std::memset(control, kEmptyControl, count + kControlCopies);
  // Each slot as it is; a slot's control byte is set once its entry is
  // made, so that ~Document destroys what a throwing copy left behind.
  const Entry* from = entries_of(other.block_);
  const std::uint8_t* from_control = control_of(other.block_);
  Entry* to = entries_of(block_);
  for (std::size_t i = 0; i < count; ++i) {
    if (from_control[i] == kEmptyControl) continue;
    new (&to[i]) Entry(from[i]);
    set_control(block_, i, from_control[i]);
    ++block_->size;
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
  static_assert(kControlCopies == ControlGroup::kWidth - 1);
  if (capacity <= kSmallDocumentMax) return sizeof(Block) + capacity * sizeof(Entry);
  // Room to move the slots to the next 32-byte boundary.
  const std::size_t count = slot_count_for(capacity);
  const std::size_t bytes = sizeof(Block) + sizeof(TableInfo) + kEntryAlignment - kBlockAlignment +
                            count * (sizeof(Entry) + 1) + kControlCopies;
  return (bytes + 7) & ~std::size_t{7};
}

void Document::free_block(Block* block) noexcept {
  if (!block) return;
  Entry* entries = entries_of(block);
  if (is_indexed(block)) {
    const std::uint8_t* control = control_of(block);
    const std::size_t count = table_info(block).slot_count;
    for (std::size_t i = 0; i < count; ++i) {
      if (control[i] != kEmptyControl) entries[i].~Entry();
    }
  } else {
    for (std::size_t i = 0; i < block->size; ++i) entries[i].~Entry();
  }
  give_up(block);
}

void Document::give_up(Block* block) noexcept {
  free_value_block(block, block_bytes(capacity_of(block)), (block->capacity & kInRegion) != 0);
}

// A short key (nearly all) hashes and compares as the two words of an
// inline CompactString, with no call, so that this path saves no registers;
// longer keys go to probe_long.
Document::Probe Document::probe(const Block* block, std::string_view key) noexcept {
  if (key.size() > CompactString::kInlineCapacity) return probe_long(block, key);
  const TableInfo& info = table_info(block);
  const CompactString::Words words = CompactString::inline_words(key);
  const std::uint64_t hash = hash_words(words, info.seed);
  const std::size_t count = info.slot_count;
  const Entry* entries = slots_of(block);
  const auto* control = reinterpret_cast<const std::uint8_t*>(entries + count);
  const auto [slot, found] =
      scan_groups(control, count, home_slot(hash, count), control_tag(hash), [&](std::size_t at) {
        const CompactString::Words held = entries[at].key.words();
        return held.lo == words.lo && held.hi == words.hi;
      });
  return {hash, slot, found};
}

Document::Probe Document::probe_long(const Block* block, std::string_view key) noexcept {
  const TableInfo& info = table_info(block);
  const std::uint64_t hash = XXH3_64bits_withSeed(key.data(), key.size(), info.seed);
  const std::size_t count = info.slot_count;
  const Entry* entries = slots_of(block);
  const auto [slot, found] =
      scan_groups(control_of(block), count, home_slot(hash, count), control_tag(hash),
                  [&](std::size_t at) { return KeyEqual{}(entries[at].key.view(), key); });
  return {hash, slot, found};
}

// probe's loop, without the hash and slot that only a change needs: this
// is the hot path of reading a key. A short key compares as two words with
// each entry's key; the rest go to find_long, out of line, so that this
// path needs few registers.
const DataType* Document::find_indexed(std::string_view key) const noexcept {
  if (key.size() > CompactString::kInlineCapacity) return find_long(block_, key);
  const CompactString::Words words = CompactString::inline_words(key);
  const TableInfo& info = table_info(block_);
  const std::uint64_t hash = hash_words(words, info.seed);
  const std::size_t count = info.slot_count;
  const Entry* entries = slots_of(block_);
  const auto* control = reinterpret_cast<const std::uint8_t*>(entries + count);
  const std::size_t home = home_slot(hash, count);
  const std::uint8_t tag = control_tag(hash);
  auto matches = [&](std::size_t at) {
    const CompactString::Words held = entries[at].key.words();
    return held.lo == words.lo && held.hi == words.hi;
  };
  // The home slot alone first: a key is there more often than anywhere
  // else, and a branch on its one byte lets the processor fetch the entry
  // before the byte arrives, where the words' arithmetic would make it wait.
  const std::uint8_t at_home = control[home];
  if (at_home == tag && matches(home)) return &entries[home].value;
  if (at_home == kEmptyControl) return nullptr;
  const std::size_t next = home + 1 == count ? 0 : home + 1;
  const auto [slot, found] = scan_groups(control, count, next, tag, matches);
  return found ? &entries[slot].value : nullptr;
}

const DataType* Document::find_small(std::string_view key) const noexcept {
  return scan_small(key);
}

const DataType* Document::find_long(const Block* block, std::string_view key) noexcept {
  const Probe at = probe_long(block, key);
  return at.found ? &entries_of(block)[at.slot].value : nullptr;
}

// Backward-shift deletion: each slot after the hole that may move back to it
// (its key's home slot is not between the hole and itself) does, until an
// empty slot ends the run.
void Document::clear_slot(Block* block, std::size_t hole) noexcept {
  const TableInfo& info = table_info(block);
  const std::size_t count = info.slot_count;
  std::uint8_t* control = control_of(block);
  Entry* entries = entries_of(block);
  auto distance = [count](std::size_t from, std::size_t to) {
    return to >= from ? to - from : to + count - from;
  };
  for (std::size_t next = hole + 1 == count ? 0 : hole + 1;; next = next + 1 == count ? 0 : next + 1) {
    if (control[next] == kEmptyControl) break;
    const std::size_t home = home_slot(hash_key(entries[next].key.view(), info.seed), count);
    if (distance(home, next) >= distance(hole, next)) {
      new (&entries[hole]) Entry(std::move(entries[next]));
      entries[next].~Entry();
      set_control(block, hole, control[next]);
      hole = next;
    }
  }
  set_control(block, hole, kEmptyControl);
}

void Document::insert_or_assign(std::string_view key, DataType&& value) {
  if (block_ && is_indexed(block_)) {
    Probe at = probe(block_, key);
    if (at.found) {
      entries_of(block_)[at.slot].value = std::move(value);
      return;
    }
    const std::size_t n = block_->size;
    if (n == capacity_of(block_)) {
      if (n >= kMaxCapacity) throw std::bad_alloc();
      rehouse(std::min(2 * n, kMaxCapacity), table_info(block_).seed);
      at = probe(block_, key);
    }
    new (&entries_of(block_)[at.slot]) Entry{CompactString(key), std::move(value)};
    set_control(block_, at.slot, control_tag(at.hash));
    ++block_->size;
    return;
  }
  if (DataType* existing = scan_small(key)) {
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
  if (!at.found) return false;
  entries[at.slot].~Entry();
  clear_slot(block_, at.slot);
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
  info = TableInfo{seed, slot_count_for(capacity)};
  std::uint8_t* control = control_of(fresh);
  std::memset(control, kEmptyControl, info.slot_count + kControlCopies);
  if (block_) {
    Block* old = block_;
    // Each entry takes the first empty slot from its home (the keys differ).
    // An old table is walked in slot order, which is the order of the homes
    // in the fresh one too, so the entries are written nearly in turn.
    auto move_in = [&](Entry& entry) {
      const std::uint64_t hash = hash_key(entry.key.view(), seed);
      std::size_t slot = home_slot(hash, info.slot_count);
      while (control[slot] != kEmptyControl) slot = slot + 1 == info.slot_count ? 0 : slot + 1;
      new (&entries_of(fresh)[slot]) Entry(std::move(entry));
      entry.~Entry();
      set_control(fresh, slot, control_tag(hash));
      ++fresh->size;
    };
    Entry* from = entries_of(old);
    if (is_indexed(old)) {
      const std::uint8_t* old_control = control_of(old);
      for (std::size_t i = 0; i < table_info(old).slot_count; ++i) {
        if (old_control[i] != kEmptyControl) move_in(from[i]);
      }
    } else {
      for (std::size_t i = 0; i < old->size; ++i) move_in(from[i]);
    }
    give_up(old);
  }
  block_ = fresh;
}

}  // namespace quorvane
