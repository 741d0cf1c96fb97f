#include "core/store/database.h"

namespace quorvane {

Database::Database(std::string path, std::vector<Collection> collections)
    : path_(std::move(path)),
      collections_(std::move(collections)),
      index_(collections_.size(), SeededHash{random_seed()}) {
  for (std::size_t i = 0; i < collections_.size(); ++i) {
    index_.try_emplace(collections_[i].name, i);  // the first of a name stays
  }
}

std::expected<Collection*, Error> Database::create_collection(std::string_view name) {
  if (find_collection(name)) return std::unexpected(Error::kCollectionExists);
  Collection& added = collections_.emplace_back(name);
  try {
    index_.try_emplace(added.name, collections_.size() - 1);
  } catch (...) {
    collections_.pop_back();  // no collection that the index does not know of
    throw;
  }
  return &added;
}

std::optional<std::size_t> Database::find_collection(std::string_view name) const {
  const auto found = index_.find(name);
  if (found == index_.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> Database::list_collections() const {
  std::vector<std::string> names;
  names.reserve(collections_.size());
  for (const Collection& c : collections_) names.push_back(c.name);
  return names;
}

}  // namespace quorvane
