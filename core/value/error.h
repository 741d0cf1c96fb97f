// Failures that the storage engine and the value model report as values.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvane {

// Each error has one fixed text, returned by message().
enum class Error : std::uint8_t {
  kCollectionExists,  // create_collection: a collection of that name exists.
  kErrorReadingFile,  // load_database_file: unreadable file, invalid UTF-8, bad layout.
  kReadInterrupted,   // load_database_file: the caller's hook stopped reading the file.
  kInvalidIndex,      // An Array was addressed with a key that is not a usable index.
  kNotSupported,      // Keyed set/remove on a variant that is no container.
};

// The fixed text of `error`, e.g. "Invalid index".
std::string_view message(Error error);

}  // namespace quorvane
