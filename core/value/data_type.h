// The one value type of the store: a tagged union of six variants, each owning
// everything beneath it. Copies are deep; nothing is shared. Not thread-safe:
// callers serialise access to a value.
//
// Layout: 16 bytes. Numbers, booleans and texts of up to 14 bytes are held
// inline; longer texts, ids, and the elements of arrays and documents live in
// one heap block each (an empty array or document allocates nothing). While
// a ValueRegionScope is active, those blocks come from its region instead and
// are marked so that they are never handed to operator delete
// (value_region.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <initializer_list>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "core/value/error.h"

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

// The elements of an Array value: an ordered, growable sequence of values in
// one heap block (size, capacity, then the elements). A vector-like subset.
class Array {
 public:
  using value_type = DataType;
  using iterator = DataType*;
  using const_iterator = const DataType*;

  Array() noexcept = default;
  Array(std::initializer_list<DataType> items);
  Array(const Array& other);
  Array(Array&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  Array& operator=(const Array& other);
  Array& operator=(Array&& other) noexcept;
  ~Array();

  std::size_t size() const noexcept { return block_ ? block_->size : 0; }
  bool empty() const noexcept { return size() == 0; }
  std::size_t capacity() const noexcept { return block_ ? block_->capacity & ~kInRegion : 0; }

  DataType* begin() noexcept { return items(); }
  DataType* end() noexcept;
  const DataType* begin() const noexcept { return items(); }
  const DataType* end() const noexcept;
  DataType& operator[](std::size_t i) noexcept;
  const DataType& operator[](std::size_t i) const noexcept;
  DataType& front() noexcept { return (*this)[0]; }
  const DataType& front() const noexcept { return (*this)[0]; }
  DataType& back() noexcept;
  const DataType& back() const noexcept;

  // Room for `n` elements in all.
  void reserve(std::size_t n);
  void push_back(DataType value);
  // Appends an empty Text and returns it.
  DataType& emplace_back();
  // Appends the `n` values at `items` in order, moving each (they are left
  // empty Texts); reserves room for exactly that many more.
  void append_moved(DataType* items, std::size_t n);
  // Grows with empty Texts or drops elements from the end.
  void resize(std::size_t n);
  // Removes the element at `pos`; later elements move down. Returns the
  // position after the removed element.
  DataType* erase(const DataType* pos);
  void clear() noexcept;

 private:
  // An 8-byte header: with malloc's 16-byte granules, a header of two words
  // would cost a whole granule more per array.
  struct Block {
    std::uint32_t size;
    std::uint32_t capacity;
  };
  DataType* items() const noexcept {
    return block_ ? reinterpret_cast<DataType*>(block_ + 1) : nullptr;
  }
  // The top bit of Block::capacity marks a block of a ValueRegion.
  static constexpr std::uint32_t kInRegion = std::uint32_t{1} << 31;
  static constexpr std::size_t kMaxCapacity = kInRegion - 1;
  static std::size_t block_bytes(std::size_t capacity);
  void grow_to(std::size_t capacity);
  // Gives the block up, which holds no elements any more; null is fine.
  static void free_block(Block* block) noexcept;

  Block* block_ = nullptr;  // null while the array has never held anything
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

  static constexpr std::size_t kInlineTextCapacity = 14;

  // An empty Text.
  DataType() noexcept : b_{} { set_inline_text_length(0); }
  DataType(const DataType& other);
  DataType(DataType&& other) noexcept {
    if (other.holds_container()) [[unlikely]] {
      steal(other);
      return;
    }
    // Scalars, texts and ids are plain bytes here (an owned block moves with
    // its pointer): copy them and leave `other` an empty Text.
    __builtin_memcpy(b_, other.b_, sizeof b_);
    other.set_inline_text_length(0);
  }
  DataType& operator=(const DataType& other);
  DataType& operator=(DataType&& other) noexcept {
    // A value that owns nothing (a scalar or an inline text) has nothing to
    // release, and `other` cannot live inside it: taking `other` over is then
    // a move construction. Parsers assign nearly always to such values.
    if (!owns_memory() && this != &other) [[likely]] {
      if (other.holds_container()) [[unlikely]] {
        steal(other);
        return *this;
      }
      __builtin_memcpy(b_, other.b_, sizeof b_);
      other.set_inline_text_length(0);
      return *this;
    }
    return move_assign_owning(other);
  }
  ~DataType() {
    if (owns_memory()) release();
  }

  static DataType id(const Id& id);
  static DataType text(std::string_view text);
  static DataType text(const char* text) { return DataType::text(std::string_view(text)); }
  static DataType number(float number) noexcept;
  static DataType boolean(bool flag) noexcept;
  static DataType array(Array items) noexcept;
  static DataType document(Document document) noexcept;

  Kind kind() const noexcept { return static_cast<Kind>(b_[kTagByte] & kKindMask); }
  bool is(Kind k) const noexcept { return kind() == k; }

  // Payload access; asking for another variant than kind() throws
  // std::logic_error (a programming error, never ordinary input).
  const Id& as_id() const;
  std::string_view as_text() const;
  float as_number() const {  // inline: read on every get of a number
    expect(Kind::kNumber);
    float number;
    __builtin_memcpy(&number, b_, sizeof number);
    return number;
  }
  bool as_boolean() const;
  const Array& as_array() const;
  Array& as_array();
  // A template only so that its body, read on every get, is inline and
  // instantiated where Document is complete (it is incomplete here).
  template <class D = Document>
  const D& as_document() const {
    expect(Kind::kDocument);
    return *std::launder(reinterpret_cast<const D*>(b_));
  }
  Document& as_document();

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

  // Seals an Array or Document that lies wholly in regions: its block and
  // every block of every value it holds, at any depth, are region blocks.
  // Destroying a sealed value then reads nothing of it (the region's end
  // frees it all), which makes dropping a loaded database cheap. Moves keep
  // the seal; copies are not sealed; any access that may change the value
  // (as_array(), as_document(), set(), remove()) unseals it first, so that a
  // heap value put into it is given back. Does nothing to other variants.
  void seal_in_region() noexcept {
    if (holds_container()) b_[kTagByte] |= kInRegion;
  }

 private:
  // b_[15] holds the kind (low bits), kHeapText for a text in a block of its
  // own, and kInRegion when the block of a text or Id is a region's.
  // Inline text: b_[0..13] the bytes, b_[14] the length. Heap text: b_[0..7]
  // the block, b_[8..13] the length (48 bits). Id: b_[0..7] an owned Id*.
  // Number and Boolean: b_[0..3]. Array and Document: the object at b_[0..7]
  // (their blocks carry their own region mark); kInRegion on them marks a
  // sealed container (seal_in_region).
  static constexpr std::size_t kTagByte = 15;
  static constexpr unsigned char kKindMask = 0x0F;
  static constexpr unsigned char kHeapText = 0x80;
  static constexpr unsigned char kInRegion = 0x40;

  void set_tag(Kind kind, unsigned char flags = 0) noexcept {
    b_[kTagByte] = static_cast<unsigned char>(static_cast<unsigned char>(kind) | flags);
  }
  void set_inline_text_length(std::size_t n) noexcept {
    b_[14] = static_cast<unsigned char>(n);
    set_tag(Kind::kText);
  }
  bool heap_text() const noexcept { return (b_[kTagByte] & kHeapText) != 0; }
  bool in_region() const noexcept { return (b_[kTagByte] & kInRegion) != 0; }
  bool holds_container() const noexcept { return kind() >= Kind::kArray; }
  // Whether destroying or replacing the value has anything to give back: a
  // container unless sealed, a text or Id only when its block is not a region's.
  bool owns_memory() const noexcept {
    return (holds_container() || heap_text() || kind() == Kind::kId) && !in_region();
  }
  // Writes only to a sealed value, so that reaching an unsealed one (a
  // collection's table, say) for a change stores nothing.
  void unseal() noexcept {
    if (in_region()) b_[kTagByte] &= static_cast<unsigned char>(~kInRegion);
  }
  // Makes *this, which owns nothing, a Text holding a copy of `text`.
  void assign_text(std::string_view text);
  // Makes *this, which owns nothing, an Id holding a copy of `id`.
  void assign_id(const Id& id);
  void* pointer() const noexcept;
  void set_pointer(const void* p) noexcept;
  Array& array_ref() noexcept;
  const Array& array_ref() const noexcept;
  Document& document_ref() noexcept;
  const Document& document_ref() const noexcept;
  void expect(Kind k) const {
    if (kind() != k) [[unlikely]] wrong_kind();
  }
  [[noreturn]] static void wrong_kind();
  void release() noexcept;
  // operator=(DataType&&) for a value that owns memory (or self-assignment).
  DataType& move_assign_owning(DataType& other) noexcept;
  // Takes over `other`'s payload; `other` is left an empty Text.
  void steal(DataType& other) noexcept;

  alignas(8) unsigned char b_[16];
};

static_assert(sizeof(DataType) == 16, "DataType: a 15-byte payload and its tag");

inline DataType* Array::end() noexcept { return items() + size(); }
inline const DataType* Array::end() const noexcept { return items() + size(); }
inline DataType& Array::operator[](std::size_t i) noexcept { return items()[i]; }
inline const DataType& Array::operator[](std::size_t i) const noexcept { return items()[i]; }
inline DataType& Array::back() noexcept { return items()[size() - 1]; }
inline const DataType& Array::back() const noexcept { return items()[size() - 1]; }

}  // namespace quorvane
