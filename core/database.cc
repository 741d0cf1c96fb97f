#include "core/database.h"

#include "core/load_sink.h"
#include "core/loader.h"

namespace quorvane {

std::expected<Database, Error> Database::load(std::string_view path, const LoadHooks& hooks) {
  StdoutSink sink{hooks.before_first_message};
  return load_database_file(path, sink, hooks.keep_reading);
}

std::expected<Database, Error> Database::load_text(std::string_view path, std::string_view text) {
  StdoutSink sink;
  return load_database(path, text, sink);
}

std::expected<Collection*, Error> Database::create_collection(std::string_view name) {
  if (find_collection(name)) return std::unexpected(Error::kCollectionExists);
  return &collections_.emplace_back(name);
}

Collection* Database::get_collection(std::string_view name) {
  const std::optional<std::size_t> index = find_collection(name);
  return index ? &collections_[*index] : nullptr;
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
