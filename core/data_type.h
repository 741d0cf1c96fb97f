// The one value type of the store: a tagged union of six variants, each owning
// everything beneath it. Copies are deep; nothing is shared. Not thread-safe:
// callers serialise access to a value.
#pragma once

#include <array>
#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/error.h"

namespace quorvane {

class DataType;
class Document;

// A UUID: the 16 bytes in the order their hexadecimal pairs are written.
struct Id {
  std::array<std::uint8_t, 16> bytes{};

  static constexpr std::size_t kTextLength = 36;
  // Writes the lower-case hyphenated form (8-4-4-4-12 digits) into `out`.
  void write_text(char* out) const;
  std::string text() const;
  friend bool operator==(const Id&, const Id&) = default;
};

using Array = std::vector<DataType>;

// Owns one Document on the heap so that DataType stays small; copies deeply.
class DocumentBox {
 public:
  explicit DocumentBox(Document document);
  DocumentBox(const DocumentBox& other);
  DocumentBox(DocumentBox&& other) noexcept;
  DocumentBox& operator=(const DocumentBox& other);
  DocumentBox& operator=(DocumentBox&& other) noexcept;
  ~DocumentBox();

  Document& get() { return *ptr_; }
  const Document& get() const { return *ptr_; }

 private:
  std::unique_ptr<Document> ptr_;  // null only in a moved-from box
};

// An Array is addressed by keys of the index syntax: an optional "+", then
// ASCII digits only, fitting an unsigned 64-bit integer ("007" is 7).
// Returns the index, or nothing when `key` is no valid index.
std::optional<std::uint64_t> parse_index(std::string_view key);

// Largest index that `set` may extend an Array to. Extending past the end
// appends empty Texts; this cap keeps one call from allocating without bound.
inline constexpr std::uint64_t kMaxArrayExtensionIndex = (std::uint64_t{1} << 24) - 1;

class DataType {
 public:
  // The variant index; the type code of the value text format is this plus one.
  enum class Kind : std::uint8_t { kId, kText, kNumber, kBoolean, kArray, kDocument };

  // An empty Text.
  DataType() : v_(std::in_place_index<1>) {}

  static DataType id(const Id& id) { return DataType(std::in_place_index<0>, id); }
  static DataType text(std::string text) {
    return DataType(std::in_place_index<1>, std::move(text));
  }
  static DataType text(std::string_view text) {
    return DataType(std::in_place_index<1>, text);
  }
  static DataType text(const char* text) { return DataType::text(std::string_view(text)); }
  static DataType number(float number) { return DataType(std::in_place_index<2>, number); }
  static DataType boolean(bool flag) { return DataType(std::in_place_index<3>, flag); }
  static DataType array(Array items) { return DataType(std::in_place_index<4>, std::move(items)); }
  static DataType document(Document document);

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool is(Kind k) const { return kind() == k; }

  // Payload access; asking for another variant than kind() throws
  // std::bad_variant_access (a programming error, never ordinary input).
  const Id& as_id() const { return std::get<0>(v_); }
  const std::string& as_text() const { return std::get<1>(v_); }
  float as_number() const { return std::get<2>(v_); }
  bool as_boolean() const { return std::get<3>(v_); }
  const Array& as_array() const { return std::get<4>(v_); }
  Array& as_array() { return std::get<4>(v_); }
  const Document& as_document() const { return std::get<5>(v_).get(); }
  Document& as_document() { return std::get<5>(v_).get(); }

  // Keyed access. Document: the value under exactly `key`. Array: the element
  // at the index that `key` spells. Nothing when absent, out of range, not an
  // index, or for the four scalar variants. Valid until the container changes.
  const DataType* get(std::string_view key) const;

  // Document: maps `key` to `value`, replacing any earlier value; always
  // succeeds. Array: replaces the element at the index, extending the array
  // with empty Texts when the index is at or past the end; kInvalidIndex for
  // a key that is no index or an extension past kMaxArrayExtensionIndex.
  // Scalars: kNotSupported. On failure `value` is dropped and *this unchanged.
  std::expected<void, Error> set(std::string_view key, DataType value);

  // Document: removes the entry of `key`; an absent key is not an error.
  // Array: removes the element at the index, later elements move down;
  // kInvalidIndex for a key that is no index or an index at or past the end.
  // Scalars: kNotSupported. On failure *this is unchanged.
  std::expected<void, Error> remove(std::string_view key);

  // A deep copy of a Document's entries. Asking it of any other variant is a
  // programming error: throws std::logic_error("Not a Document").
  Document to_document() const;

 private:
  using V = std::variant<Id, std::string, float, bool, Array, DocumentBox>;
  template <std::size_t I, class... Args>
  explicit DataType(std::in_place_index_t<I> index, Args&&... args)
      : v_(index, std::forward<Args>(args)...) {}
  V v_;
};

static_assert(sizeof(DataType) == 40, "DataType: a std::string payload plus the variant tag");

}  // namespace quorvane
