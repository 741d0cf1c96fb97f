#include "core/store/collection.h"

namespace quorvane {

Collection::Collection(std::string_view name)
    : name(name), data(DataType::document(Document())) {}

}  // namespace quorvane
