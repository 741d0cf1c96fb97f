#include "core/value/document.h"

#include <algorithm>
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

}  // namespace

// Delegates to the default constructor first: *this is then a complete
// object, so when a copy throws part-way, ~Document runs and frees the block
// and the entries copied so far.
Document::Document(const Document& other) : Document() {
  if (!other.block_) return;
  if (const Map* table = other.map()) {
    auto copy = std::make_unique<Map>(*table);  // keeps the seed
    block_ = new_map_block(copy.get());
    copy.release();
    return;
  }
  const std::size_t n = other.block_->size;
  grow_small(n);
  const Entry* from = other.small_entries();
  Entry* to = small_entries();
  for (std::size_t i = 0; i < n; ++i) {
    new (&to[i]) Entry(from[i]);
    block_->size = i + 1;  // what ~Document destroys if the next copy throws
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

Document::Block* Document::new_map_block(Map* map) {
  bool in_region;
  auto* block = static_cast<MapBlock*>(allocate_value_block(sizeof(MapBlock), in_region));
  *block = MapBlock{Block{0, kMapTag | (in_region ? kInRegion : 0)}, map};
  return &block->header;
}

void Document::free_block(Block* block) noexcept {
  if (!block) return;
  if (is_map(block)) {
    delete reinterpret_cast<MapBlock*>(block)->map;
  } else {
    Entry* entries = reinterpret_cast<Entry*>(block + 1);
    for (std::size_t i = 0; i < block->size; ++i) entries[i].~Entry();
  }
  give_up(block);
}

void Document::give_up(Block* block) noexcept {
  const std::size_t capacity = block->capacity & ~kInRegion;
  const std::size_t bytes =
      capacity == kMapTag ? sizeof(MapBlock) : sizeof(Block) + capacity * sizeof(Entry);
  free_value_block(block, bytes, (block->capacity & kInRegion) != 0);
}

std::size_t Document::size() const noexcept {
  if (!block_) return 0;
  const Map* table = map();
  return table ? table->size() : block_->size;
}

void Document::insert_or_assign(std::string_view key, DataType&& value) {
  if (Map* table = block_ ? map() : nullptr) {
    // An inline key costs no allocation, so hash once and insert or find in
    // one probe; a longer key is looked up first so that replacing a value
    // allocates nothing.
    if (key.size() > CompactString::kInlineCapacity) {
      if (DataType* existing = find(key)) {
        *existing = std::move(value);
        return;
      }
    }
    auto [it, inserted] = table->try_emplace(CompactString(key), std::move(value));
    if (!inserted) it->second = std::move(value);  // try_emplace left `value` untouched
    return;
  }
  if (DataType* existing = find(key)) {
    *existing = std::move(value);
    return;
  }
  const std::size_t n = block_ ? block_->size : 0;
  if (n == kSmallDocumentMax) {
    promote(n + 1);
    map()->try_emplace(CompactString(key), std::move(value));
    return;
  }
  if (!block_ || n == small_capacity()) {
    grow_small(std::min(kSmallDocumentMax, std::max(kFirstSmallCapacity, 2 * n)));
  }
  new (&small_entries()[n]) Entry{CompactString(key), std::move(value)};
  ++block_->size;
}

bool Document::erase(std::string_view key) {
  if (!block_) return false;
  if (Map* table = map()) return table->erase(key) != 0;
  Entry* entries = small_entries();
  const std::size_t n = block_->size;
  for (std::size_t i = 0; i < n; ++i) {
    if (!KeyEqual{}(entries[i].key.view(), key)) continue;
    for (std::size_t j = i + 1; j < n; ++j) entries[j - 1] = std::move(entries[j]);
    entries[n - 1].~Entry();
    --block_->size;
    return true;
  }
  return false;
}

void Document::reserve(std::size_t n) {
  if (Map* table = block_ ? map() : nullptr) {
    table->reserve(n);
  } else if (n > kSmallDocumentMax) {
    promote(n);
  } else if (n > (block_ ? small_capacity() : 0)) {
    grow_small(n);
  }
}

// The fresh block comes from the active region if there is one; either way,
// the old block is given up as what it was.
void Document::grow_small(std::size_t capacity) {
  bool in_region;
  auto* fresh = static_cast<Block*>(
      allocate_value_block(sizeof(Block) + capacity * sizeof(Entry), in_region));
  const std::size_t n = block_ ? block_->size : 0;
  *fresh = Block{static_cast<std::uint32_t>(n),
                 static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
  Entry* to = reinterpret_cast<Entry*>(fresh + 1);
  if (block_) {
    Entry* from = small_entries();
    for (std::size_t i = 0; i < n; ++i) {
      new (&to[i]) Entry(std::move(from[i]));
      from[i].~Entry();
    }
    give_up(block_);
  }
  block_ = fresh;
}

void Document::promote(std::size_t capacity) {
  auto map = std::make_unique<Map>(0, SeededHash{random_seed()});
  map->reserve(capacity);
  Block* fresh = new_map_block(map.get());
  Map* table = map.release();
  if (block_) {
    Entry* entries = small_entries();
    for (std::size_t i = 0; i < block_->size; ++i) {
      table->try_emplace(std::move(entries[i].key), std::move(entries[i].value));
    }
    free_block(block_);
  }
  block_ = fresh;
}

}  // namespace quorvane
