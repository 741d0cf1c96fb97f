#include "core/data_type.h"

#include <stdexcept>

#include "core/document.h"

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

DocumentBox::DocumentBox(Document document)
    : ptr_(std::make_unique<Document>(std::move(document))) {}
DocumentBox::DocumentBox(const DocumentBox& other)
    : ptr_(std::make_unique<Document>(*other.ptr_)) {}
DocumentBox& DocumentBox::operator=(const DocumentBox& other) {
  if (this != &other) ptr_ = std::make_unique<Document>(*other.ptr_);
  return *this;
}
DocumentBox::DocumentBox(DocumentBox&& other) noexcept = default;
DocumentBox& DocumentBox::operator=(DocumentBox&& other) noexcept = default;
DocumentBox::~DocumentBox() = default;

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

DataType DataType::document(Document document) {
  return DataType(std::in_place_index<5>, std::move(document));
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
