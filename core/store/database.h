// The root object of the store: the path it came from and an ordered list of
// named collections, owned by value. Collections are only ever appended,
// never removed or reordered. Beside the list, an index maps each name to the
// position of its first collection, so lookups by name take constant time
// whatever the number of collections. Not thread-safe: the Python binding
// serialises access with the lock of its DatabaseHandle.
//
// Ownership: a loaded database keeps the ValueRegions that its load made its
// value blocks in (value_region.h), and destroys them only after all its
// collections. A value stored in the database may thus live in one of them,
// and must never outlive the database: values leave it only as copies (a
// copy made outside a region scope is an ordinary heap value), never by being
// moved or swapped into a value held elsewhere. The Python module keeps to
// this: it converts stored values to new Python objects and stores values
// newly converted from Python objects.
#pragma once

#include <cstddef>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <boost/unordered/unordered_flat_map.hpp>

#include "core/store/collection.h"
#include "core/value/document.h"
#include "core/value/error.h"
#include "core/value/value_region.h"

namespace quorvane {

class Database {
 public:
  static constexpr std::string_view kDefaultPath = "./default.mdb";

  // An empty database with the default path; touches no file.
  Database() : path_(kDefaultPath), index_(0, SeededHash{random_seed()}) {}
  // Takes `collections` in their order; of several with one name, the first
  // is the one found by name.
  Database(std::string path, std::vector<Collection> collections);
  // A deep copy with no regions: its values are heap values, as long as no
  // region scope is active on the calling thread.
  Database(const Database& other);
  Database(Database&& other) = default;
  Database& operator=(const Database& other);
  // Destroys the old collections before the old regions.
  Database& operator=(Database&& other) noexcept;
  ~Database() = default;

  // Keeps `region` until the database is destroyed, after its collections:
  // the values of the collections may have blocks in it. Strong guarantee:
  // if this throws std::bad_alloc, `region` is left as it was.
  void keep_region(ValueRegion&& region);

  // Appends an empty collection named `name` and returns it. Fails with
  // kCollectionExists, changing nothing, when a collection of exactly this
  // name exists. The pointer is valid until the next create_collection.
  std::expected<Collection*, Error> create_collection(std::string_view name);

  // The position of the first collection whose name equals `name` byte for
  // byte, or nothing. Since collections are never
  // removed or reordered, a position once found stays right for good.
  std::optional<std::size_t> find_collection(std::string_view name) const;

  // Copies of all collection names in order, duplicates included.
  std::vector<std::string> list_collections() const;

  const std::string& path() const { return path_; }
  const std::vector<Collection>& collections() const { return collections_; }
  // For changing the collections' entries in place. REQUIRES: no collection
  // is added, removed, moved or renamed through it (the index would go stale).
  std::vector<Collection>& collections() { return collections_; }

 private:
  // Name to position of the first collection of that name. The names are
  // copies: a view into collections_ would dangle when the vector grows.
  using NameIndex =
      boost::unordered_flat_map<std::string, std::size_t, SeededHash, KeyEqual>;

  std::string path_;
  // Declared before collections_, so destroyed after them.
  std::vector<ValueRegion> regions_;
  std::vector<Collection> collections_;
  NameIndex index_;
};

}  // namespace quorvane
