// The root object of the store: the path it came from and an ordered list of
// named collections, owned by value. Collections are only ever appended,
// never removed or reordered. Not thread-safe: the Python binding serialises
// access with the lock of its DatabaseHandle.
#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/collection.h"
#include "core/value/error.h"

namespace quorvane {

class Database {
 public:
  static constexpr std::string_view kDefaultPath = "./default.mdb";

  // An empty database with the default path; touches no file.
  Database() : path_(kDefaultPath) {}
  Database(std::string path, std::vector<Collection> collections)
      : path_(std::move(path)), collections_(std::move(collections)) {}

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
  std::vector<Collection>& collections() { return collections_; }

 private:
  std::string path_;
  std::vector<Collection> collections_;
};

}  // namespace quorvane
