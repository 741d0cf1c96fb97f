#include "core/value/error.h"

namespace quorvane {

std::string_view message(Error error) {
  switch (error) {
    case Error::kCollectionExists:
      return "Collection already exists";
    case Error::kErrorReadingFile:
      return "Error reading file";
    case Error::kReadInterrupted:
      return "Reading interrupted";
    case Error::kInvalidIndex:
      return "Invalid index";
    case Error::kNotSupported:
      return "Not supported";
  }
  return "Unknown error";
}

}  // namespace quorvane
