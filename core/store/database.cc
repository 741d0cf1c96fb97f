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

Database::Database(const Database& other)
    : path_(other.path_), collections_(other.collections_), index_(other.index_) {}

Database& Database::operator=(const Database& other) {
  if (this != &other) *this = Database(other);
  return *this;
}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    collections_ = std::move(other.collections_);  // the old values go first
    regions_ = std::move(other.regions_);          // then the regions they lived in
    index_ = std::move(other.index_);
    path_ = std::move(other.path_);
  }
  return *this;
}

void Database::keep_region(ValueRegion&& region) { regions_.push_back(std::move(region)); }

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
