#include "core/value/data_type.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "core/value/document.h"
#include "core/value/value_region.h"

namespace quorvane {

void Id::write_text(char* out) const {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t pos = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out[pos++] = '-';
    out[pos++] = kHex[bytes[i] >> 4];
    out[pos++] = kHex[bytes[i] & 0x0F];
  }
}

std::string Id::text() const {
  std::string out(kTextLength, '\0');
  write_text(out.data());
  return out;
}

// --- DataType: construction and ownership ----------------------------------

void* DataType::pointer() const noexcept {
  void* p;
  std::memcpy(&p, b_, sizeof p);
  return p;
}

void DataType::set_pointer(const void* p) noexcept { std::memcpy(b_, &p, sizeof p); }

Array& DataType::array_ref() noexcept { return *std::launder(reinterpret_cast<Array*>(b_)); }
const Array& DataType::array_ref() const noexcept {
  return *std::launder(reinterpret_cast<const Array*>(b_));
}
Document& DataType::document_ref() noexcept {
  return *std::launder(reinterpret_cast<Document*>(b_));
}
const Document& DataType::document_ref() const noexcept {
  return *std::launder(reinterpret_cast<const Document*>(b_));
}

DataType DataType::id(const Id& id) {
  DataType v;
  v.assign_id(id);
  return v;
}

static_assert(std::is_trivially_destructible_v<Id>, "an Id block is given up without a destructor");

void DataType::assign_id(const Id& id) {
  bool in_region;
  void* block = allocate_value_block(sizeof(Id), in_region);
  set_pointer(new (block) Id(id));
  set_tag(Kind::kId, in_region ? kInRegion : 0);
}

DataType DataType::text(std::string_view text) {
  DataType v;
  v.assign_text(text);
  return v;
}

void DataType::assign_text(std::string_view text) {
  if (text.size() <= kInlineTextCapacity) {
    // Without a memcpy call: two word moves that overlap where the length
    // needs, or single bytes below four.
    const char* const from = text.data();
    const std::size_t n = text.size();
    auto copy_word = [&]<class Word>(Word, std::size_t at) {
      Word word;
      std::memcpy(&word, from + at, sizeof word);
      std::memcpy(b_ + at, &word, sizeof word);
    };
    if (n >= 8) {
      copy_word(std::uint64_t{}, 0);
      copy_word(std::uint64_t{}, n - 8);
    } else if (n >= 4) {
      copy_word(std::uint32_t{}, 0);
      copy_word(std::uint32_t{}, n - 4);
    } else if (n != 0) {
      b_[0] = static_cast<unsigned char>(from[0]);
      b_[n / 2] = static_cast<unsigned char>(from[n / 2]);
      b_[n - 1] = static_cast<unsigned char>(from[n - 1]);
    }
    set_inline_text_length(n);
    return;
  }
  bool in_region;
  void* block = allocate_value_block(text.size(), in_region);
  std::memcpy(block, text.data(), text.size());
  set_pointer(block);
  const std::uint64_t length = text.size();
  std::memcpy(b_ + 8, &length, 6);  // little-endian, 48 bits
  set_tag(Kind::kText, static_cast<unsigned char>(kHeapText | (in_region ? kInRegion : 0)));
}

DataType DataType::number(float number) noexcept {
  DataType v;
  std::memcpy(v.b_, &number, sizeof number);
  v.set_tag(Kind::kNumber);
  return v;
}

DataType DataType::boolean(bool flag) noexcept {
  DataType v;
  v.b_[0] = flag ? 1 : 0;
  v.set_tag(Kind::kBoolean);
  return v;
}

DataType DataType::array(Array items) noexcept {
  DataType v;
  new (v.b_) Array(std::move(items));
  v.set_tag(Kind::kArray);
  return v;
}

DataType DataType::document(Document document) noexcept {
  DataType v;
  new (v.b_) Document(std::move(document));
  v.set_tag(Kind::kDocument);
  return v;
}

DataType::DataType(const DataType& other) : b_{} {
  switch (other.kind()) {
    case Kind::kId:
      assign_id(other.as_id());  // a heap block, or the active region's
      return;
    case Kind::kText:
      if (other.heap_text()) {
        assign_text(other.as_text());
      } else {
        std::memcpy(b_, other.b_, sizeof b_);
      }
      return;
    case Kind::kNumber:
    case Kind::kBoolean:
      std::memcpy(b_, other.b_, sizeof b_);
      return;
    case Kind::kArray:
      new (b_) Array(other.array_ref());
      set_tag(Kind::kArray);
      return;
    case Kind::kDocument:
      new (b_) Document(other.document_ref());
      set_tag(Kind::kDocument);
      return;
  }
}

DataType& DataType::operator=(const DataType& other) {
  if (this != &other) *this = DataType(other);
  return *this;
}

DataType& DataType::move_assign_owning(DataType& other) noexcept {
  if (this != &other) {
    // `other` may live inside this value (an element of this array): take it
    // over before releasing what this value held.
    DataType taken(std::move(other));
    release();
    steal(taken);
  }
  return *this;
}

void DataType::release() noexcept {
  switch (kind()) {
    case Kind::kId:
      // Id is trivially destructible: giving the block back is all there is.
      free_value_block(pointer(), sizeof(Id), in_region());
      break;
    case Kind::kText:
      if (heap_text()) free_value_block(pointer(), as_text().size(), in_region());
      break;
    case Kind::kArray:
      array_ref().~Array();
      break;
    case Kind::kDocument:
      document_ref().~Document();
      break;
    default:
      break;
  }
}

void DataType::steal(DataType& other) noexcept {
  switch (other.kind()) {
    case Kind::kArray:
      new (b_) Array(std::move(other.array_ref()));
      other.array_ref().~Array();
      set_tag(Kind::kArray, other.b_[kTagByte] & kInRegion);
      break;
    case Kind::kDocument:
      new (b_) Document(std::move(other.document_ref()));
      other.document_ref().~Document();
      set_tag(Kind::kDocument, other.b_[kTagByte] & kInRegion);
      break;
    default:  // plain bytes and owned pointers
      std::memcpy(b_, other.b_, sizeof b_);
      break;
  }
  other.set_inline_text_length(0);
}

void DataType::wrong_kind() { throw std::logic_error("DataType accessed as another variant"); }

// --- DataType: payload access ----------------------------------------------

const Id& DataType::as_id() const {
  expect(Kind::kId);
  return *static_cast<const Id*>(pointer());
}

std::string_view DataType::as_text() const {
  expect(Kind::kText);
  if (!heap_text()) return {reinterpret_cast<const char*>(b_), b_[14]};
  std::uint64_t length = 0;
  std::memcpy(&length, b_ + 8, 6);
  return {static_cast<const char*>(pointer()), static_cast<std::size_t>(length)};
}

bool DataType::as_boolean() const {
  expect(Kind::kBoolean);
  return b_[0] != 0;
}

const Array& DataType::as_array() const {
  expect(Kind::kArray);
  return array_ref();
}

Array& DataType::as_array() {
  expect(Kind::kArray);
  unseal();
  return array_ref();
}

Document& DataType::as_document() {
  expect(Kind::kDocument);
  unseal();
  return document_ref();
}

// --- Keyed operations --------------------------------------------------------

std::optional<std::uint64_t> parse_index(std::string_view key) {
  if (key.empty() || key == "+" || key == "-") return std::nullopt;
  if (key.front() == '+') key.remove_prefix(1);
  std::uint64_t value = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (__builtin_mul_overflow(value, std::uint64_t{10}, &value) ||
        __builtin_add_overflow(value, digit, &value)) {
      return std::nullopt;
    }
  }
  return value;
}

const DataType* DataType::get(std::string_view key) const {
  switch (kind()) {
    case Kind::kDocument:
      return as_document().find(key);
    case Kind::kArray: {
      const Array& items = as_array();
      const std::optional<std::uint64_t> index = parse_index(key);
      if (!index || *index >= items.size()) return nullptr;
      return &items[*index];
    }
    default:
      return nullptr;
  }
}

std::expected<void, Error> DataType::set(std::string_view key, DataType value) {
  switch (kind()) {
    case Kind::kDocument:
      as_document().insert_or_assign(key, std::move(value));
      return {};
    case Kind::kArray: {
      Array& items = as_array();
      const std::optional<std::uint64_t> index = parse_index(key);
      if (!index) return std::unexpected(Error::kInvalidIndex);
      if (*index < items.size()) {
        items[*index] = std::move(value);
        return {};
      }
      if (*index > kMaxArrayExtensionIndex) return std::unexpected(Error::kInvalidIndex);
      items.resize(*index + 1);  // the new elements are empty Texts
      items.back() = std::move(value);
      return {};
    }
    default:
      return std::unexpected(Error::kNotSupported);
  }
}

std::expected<void, Error> DataType::remove(std::string_view key) {
  switch (kind()) {
    case Kind::kDocument:
      as_document().erase(key);
      return {};
    case Kind::kArray: {
      Array& items = as_array();
      const std::optional<std::uint64_t> index = parse_index(key);
      if (!index || *index >= items.size()) return std::unexpected(Error::kInvalidIndex);
      items.erase(items.begin() + static_cast<std::ptrdiff_t>(*index));
      return {};
    }
    default:
      return std::unexpected(Error::kNotSupported);
  }
}

Document DataType::to_document() const {
  if (!is(Kind::kDocument)) throw std::logic_error("Not a Document");
  return as_document();
}

}  // namespace quorvane
