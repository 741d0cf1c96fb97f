#include "core/store/database.h"

namespace quorvane {

std::expected<Collection*, Error> Database::create_collection(std::string_view name) {
  if (find_collection(name)) return std::unexpected(Error::kCollectionExists);
  return &collections_.emplace_back(name);
}

std::optional<std::size_t> Database::find_collection(std::string_view name) const {
  for (std::size_t i = 0; i < collections_.size(); ++i) {
    if (collections_[i].name == name) return i;
  }
  return std::nullopt;
}

std::vector<std::string> Database::list_collections() const {
  std::vector<std::string> names;
  names.reserve(collections_.size());
  for (const Collection& c : collections_) names.push_back(c.name);
  return names;
}

}  // namespace quorvane
