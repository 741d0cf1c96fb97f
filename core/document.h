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
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <boost/unordered/unordered_flat_map.hpp>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "core/data_type.h"

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

struct KeyEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept { return a == b; }
};

// A fresh, unpredictable 64-bit seed (a per-thread generator seeded from the
// operating system's entropy once).
std::uint64_t random_seed();

class Document {
 public:
  static constexpr std::size_t kSmallDocumentMax = 8;

  Document() = default;
  Document(const Document& other);
  Document(Document&& other) noexcept = default;
  Document& operator=(const Document& other);
  Document& operator=(Document&& other) noexcept = default;
  ~Document() = default;

  std::size_t size() const { return map_ ? map_->size() : small_.size(); }
  bool empty() const { return size() == 0; }

  // The value stored under `key`, or nullptr. Valid until the next change.
  const DataType* find(std::string_view key) const;
  DataType* find(std::string_view key);

  // Maps `key` to `value`, replacing (and dropping) any earlier value. The
  // key is copied only when it is inserted.
  void insert_or_assign(std::string_view key, DataType value);

  // Removes the entry of `key`; returns whether there was one.
  bool erase(std::string_view key);

  // Makes room for `n` entries in all, so that the document does not grow
  // again until it holds more. Changes no entry.
  void reserve(std::size_t n);

  // Calls visit(std::string_view key, const DataType& value) for each entry,
  // in the document's own order. The document must not change meanwhile.
  template <class Visit>
  void for_each(Visit&& visit) const {
    if (map_) {
      for (const auto& [key, value] : *map_) visit(std::string_view(key), value);
    } else {
      for (const auto& [key, value] : small_) visit(std::string_view(key), value);
    }
  }

 private:
  using Map = boost::unordered_flat_map<std::string, DataType, SeededHash, KeyEqual>;
  using Entry = std::pair<std::string, DataType>;

  // Moves the entries into a new table with room for `capacity` of them.
  void promote(std::size_t capacity);

  std::vector<Entry> small_;  // the entries while map_ is null
  std::unique_ptr<Map> map_;  // set once the document outgrows small_
};

}  // namespace quorvane
