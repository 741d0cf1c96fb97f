#include "core/document.h"

#include <chrono>
#include <random>

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

Document::Document(const Document& other)
    : small_(other.small_), map_(other.map_ ? std::make_unique<Map>(*other.map_) : nullptr) {}

Document& Document::operator=(const Document& other) {
  if (this != &other) *this = Document(other);
  return *this;
}

const DataType* Document::find(std::string_view key) const {
  if (map_) {
    auto it = map_->find(key);
    return it == map_->end() ? nullptr : &it->second;
  }
  for (const auto& [k, v] : small_) {
    if (k == key) return &v;
  }
  return nullptr;
}

DataType* Document::find(std::string_view key) {
  return const_cast<DataType*>(static_cast<const Document*>(this)->find(key));
}

void Document::insert_or_assign(std::string_view key, DataType value) {
  if (DataType* existing = find(key)) {
    *existing = std::move(value);
    return;
  }
  if (!map_ && small_.size() == kSmallDocumentMax) promote(small_.size() + 1);
  if (map_) {
    map_->emplace(std::string(key), std::move(value));
  } else {
    small_.emplace_back(std::string(key), std::move(value));
  }
}

bool Document::erase(std::string_view key) {
  if (map_) {
    auto it = map_->find(key);
    if (it == map_->end()) return false;
    map_->erase(it);
    return true;
  }
  for (auto it = small_.begin(); it != small_.end(); ++it) {
    if (it->first == key) {
      small_.erase(it);
      return true;
    }
  }
  return false;
}

void Document::reserve(std::size_t n) {
  if (map_) {
    map_->reserve(n);
  } else if (n <= kSmallDocumentMax) {
    small_.reserve(n);
  } else {
    promote(n);
  }
}

void Document::promote(std::size_t capacity) {
  auto map = std::make_unique<Map>(0, SeededHash{random_seed()});
  map->reserve(capacity);
  for (auto& [key, value] : small_) map->emplace(std::move(key), std::move(value));
  small_.clear();
  small_.shrink_to_fit();
  map_ = std::move(map);
}

}  // namespace quorvane
