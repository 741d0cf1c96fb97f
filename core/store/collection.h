// A named collection: a name fixed at construction and its entries, a map
// from string keys to values. Not thread-safe: callers serialise access.
#pragma once

#include <string>
#include <string_view>

#include "core/value/data_type.h"
#include "core/value/document.h"

namespace quorvane {

struct Collection {
  // An empty collection with a copy of `name` (any bytes, the empty name too).
  explicit Collection(std::string_view name);

  // The value stored under `key`, or nullptr. Valid until the next change.
  const DataType* get(std::string_view key) const { return entries().find(key); }

  // Maps `key` to `value`, replacing any earlier value. Copies the key only
  // when it is inserted. Cannot fail. REQUIRES: `value` is no value held by
  // this collection.
  Collection& set(std::string_view key, DataType&& value) {
    entries().insert_or_assign(key, std::move(value));
    return *this;
  }
  Collection& set(std::string_view key, const DataType& value) {
    return set(key, DataType(value));
  }

  // Removes `key`; an absent key changes nothing and is not reported.
  void del(std::string_view key) { entries().erase(key); }

  // The entries themselves, for reading without a copy.
  const Document& entries() const { return data.as_document(); }
  Document& entries() { return data.as_document(); }

  std::string name;
  DataType data;  // always the Document variant
};

}  // namespace quorvane
