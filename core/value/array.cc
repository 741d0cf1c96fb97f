// The elements of an Array value, declared in data_type.h next to DataType,
// which holds an Array inline.
#include "core/value/data_type.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "core/value/value_region.h"

namespace quorvane {

// Both copying constructors first delegate to the default one: *this is then
// a complete object, so when a copy throws part-way, ~Array runs and frees
// the block and the elements copied so far.
Array::Array(std::initializer_list<DataType> items) : Array() {
  reserve(items.size());
  for (const DataType& item : items) push_back(item);
}

Array::Array(const Array& other) : Array() {
  reserve(other.size());
  for (const DataType& item : other) push_back(item);
}

Array& Array::operator=(const Array& other) {
  if (this != &other) *this = Array(other);
  return *this;
}

Array& Array::operator=(Array&& other) noexcept {
  if (this != &other) {
    Block* taken = other.block_;
    other.block_ = nullptr;
    clear();
    free_block(block_);
    block_ = taken;
  }
  return *this;
}

Array::~Array() {
  clear();
  free_block(block_);
}

std::size_t Array::block_bytes(std::size_t capacity) {
  return sizeof(Block) + capacity * sizeof(DataType);
}

void Array::free_block(Block* block) noexcept {
  if (!block) return;
  const std::size_t capacity = block->capacity & ~kInRegion;
  free_value_block(block, block_bytes(capacity), (block->capacity & kInRegion) != 0);
}

// The fresh block comes from the active region if there is one; either way,
// the old block is given up as what it was.
void Array::grow_to(std::size_t capacity) {
  if (capacity > kMaxCapacity) throw std::bad_alloc();
  bool in_region;
  auto* fresh = static_cast<Block*>(allocate_value_block(block_bytes(capacity), in_region));
  const std::size_t n = size();
  *fresh = Block{static_cast<std::uint32_t>(n),
                 static_cast<std::uint32_t>(capacity) | (in_region ? kInRegion : 0)};
  DataType* to = reinterpret_cast<DataType*>(fresh + 1);
  DataType* from = items();
  for (std::size_t i = 0; i < n; ++i) {
    new (&to[i]) DataType(std::move(from[i]));
    from[i].~DataType();
  }
  free_block(block_);
  block_ = fresh;
}

void Array::reserve(std::size_t n) {
  if (n > capacity()) grow_to(n);
}

void Array::push_back(DataType value) { emplace_back() = std::move(value); }

DataType& Array::emplace_back() {
  const std::size_t n = size();
  if (n == capacity()) grow_to(std::max<std::size_t>(4, 2 * n));
  DataType* slot = new (items() + n) DataType();
  ++block_->size;
  return *slot;
}

void Array::append_moved(DataType* items, std::size_t n) {
  if (n == 0) return;
  reserve(size() + n);
  DataType* to = end();
  for (std::size_t i = 0; i < n; ++i) new (to + i) DataType(std::move(items[i]));
  block_->size += static_cast<std::uint32_t>(n);
}

void Array::resize(std::size_t n) {
  if (n > size()) {
    reserve(n);
    while (size() < n) emplace_back();
  } else {
    while (size() > n) {
      items()[size() - 1].~DataType();
      --block_->size;
    }
  }
}

DataType* Array::erase(const DataType* pos) {
  DataType* first = items();
  const std::size_t index = static_cast<std::size_t>(pos - first);
  const std::size_t n = size();
  for (std::size_t i = index + 1; i < n; ++i) first[i - 1] = std::move(first[i]);
  first[n - 1].~DataType();
  --block_->size;
  return first + index;
}

void Array::clear() noexcept {
  if (!block_) return;
  DataType* first = items();
  for (std::size_t i = block_->size; i > 0; --i) first[i - 1].~DataType();
  block_->size = 0;
}

}  // namespace quorvane
