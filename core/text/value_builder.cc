#include "core/text/value_builder.h"

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "core/text/scalar_reader.h"
#include "core/text/unicode.h"
#include "core/text/structure_scan.h"
#include "core/text/value_structure.h"
#include "core/value/document.h"
#include "core/value/value_region.h"

namespace quorvane {
namespace {

// Scratch stacks larger than this are given back after use.
constexpr std::size_t kKeptScratch = 4096;

// Values of texts shorter than this are sealed when made in a region. No
// block of theirs is large enough for the region to give its pages back when
// the value is dropped (ValueRegion::kGiveBackBytes): a block takes at most
// 16 bytes per byte of text (an array item "1," its 16-byte value), twice
// that with room to grow. So sealing them keeps no memory that dropping them
// would have returned.
constexpr std::size_t kSealedTextMax = ValueRegion::kGiveBackBytes / 32;

// A stack of values in one block, each constructed where it stays: a push
// takes no call and no move, unlike std::vector's.
class ValueStack {
 public:
  ValueStack() = default;
  ValueStack(const ValueStack&) = delete;
  ValueStack& operator=(const ValueStack&) = delete;
  ~ValueStack() {
    truncate(0);
    ::operator delete(items_);
  }

  std::size_t size() const { return size_; }
  DataType* data() { return items_; }

  // Pushes the value that make() returns; make() runs after any growth, so
  // it may move from an item of this stack.
  template <class Make>
  void push(Make&& make) {
    if (size_ == capacity_) grow();
    new (items_ + size_) DataType(make());
    ++size_;
  }
  void truncate(std::size_t size) {
    while (size_ > size) items_[--size_].~DataType();
  }
  // truncate() for values that were all moved from: a moved-from DataType is
  // an empty Text, which owns nothing, so there is nothing to destroy.
  void truncate_moved(std::size_t size) { size_ = size; }
  // Empties the stack, and gives its block back if it holds over `kept`.
  void clear(std::size_t kept) {
    truncate(0);
    if (capacity_ <= kept) return;
    ::operator delete(items_);
    items_ = nullptr;
    capacity_ = 0;
  }

 private:
  [[gnu::noinline]] void grow() {
    const std::size_t capacity = capacity_ == 0 ? 64 : 2 * capacity_;
    auto* items = static_cast<DataType*>(::operator new(capacity * sizeof(DataType)));
    for (std::size_t k = 0; k < size_; ++k) {
      new (items + k) DataType(std::move(items_[k]));
      items_[k].~DataType();
    }
    ::operator delete(items_);
    items_ = items;
    capacity_ = capacity;
  }

  DataType* items_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

struct Scratch {
  ValueStructure structure;
  ValueStack values;
  std::vector<std::string_view> keys;  // of the top level's pairs, trimmed

  // Empties the stacks on every way out, exceptions included.
  struct Lease {
    ~Lease() {
      scratch.values.clear(kKeptScratch);
      scratch.keys.clear();
      if (scratch.keys.capacity() > kKeptScratch) std::vector<std::string_view>().swap(scratch.keys);
    }
    Scratch& scratch;
  };
};

// Builds the values of the top level's items as the scan passes them on,
// each on the stack of values, then the top level's value from them.
class Builder {
 public:
  Builder(std::string_view text, Scratch& scratch)
      : text_(text), values_(scratch.values), keys_(scratch.keys) {}

  void scalar(TextSpan key, TextSpan value) {
    if (key.end != 0) keys_.push_back(trim_whitespace(key.of(text_)));
    push_scalar(value);
  }

  // Children first, each level's nested values on the stack as it is built.
  void nested(TextSpan key, const ValueStructure& levels) {
    if (key.end != 0) keys_.push_back(trim_whitespace(key.of(text_)));
    for (const StructureLevel& level : levels.levels) {
      if (level.document) {
        build_document(levels, level);
      } else {
        build_array(levels, level);
      }
    }
  }

  // The top level's value, from the stack that holds its items' values.
  DataType build_top(const StructureLevel& top) {
    if (!top.document) {
      Array items;
      items.append_moved(values_.data(), values_.size());
      values_.truncate_moved(0);
      return DataType::array(std::move(items));
    }
    Document document;
    document.reserve(keys_.size());
    for (std::size_t k = 0; k < keys_.size(); ++k) {
      document.insert_or_assign(keys_[k], std::move(values_.data()[k]));
    }
    values_.truncate_moved(0);
    document.shrink_to_fit();
    return DataType::document(std::move(document));
  }

 private:
  // Builds one level whose nested levels' values are the top
  // `level.nested_count` values of the stack, and leaves it there in their
  // place.
  void build_array(const ValueStructure& structure, const StructureLevel& level) {
    const std::size_t nested = values_.size() - level.nested_count;
    std::size_t next_nested = nested;
    const std::size_t first = values_.size();
    structure.for_each_item(level, [&](const StructureItem& item) {
      if (item.kind == ItemKind::kScalar) {
        push_scalar(item.value);
      } else {
        values_.push([&] { return std::move(values_.data()[next_nested++]); });
      }
      return true;
    });
    Array items;
    items.append_moved(values_.data() + first, level.item_count);
    values_.truncate_moved(nested);
    values_.push([&] { return DataType::array(std::move(items)); });
  }

  void build_document(const ValueStructure& structure, const StructureLevel& level) {
    const std::size_t nested = values_.size() - level.nested_count;
    std::size_t next_nested = nested;
    Document document;
    document.reserve(level.item_count);
    // In text order, so that a later pair replaces an earlier one of its key.
    structure.for_each_item(level, [&](const StructureItem& item) {
      if (item.kind == ItemKind::kDropped) return true;
      const std::string_view key = trim_whitespace(item.key.of(text_));
      if (item.kind == ItemKind::kScalar) {
        document.insert_or_assign(key, read_scalar(trim_whitespace(item.value.of(text_))));
      } else {
        document.insert_or_assign(key, std::move(values_.data()[next_nested++]));
      }
      return true;
    });
    document.shrink_to_fit();  // sized for every pair, but a key given again adds none
    values_.truncate_moved(nested);
    values_.push([&] { return DataType::document(std::move(document)); });
  }

  void push_scalar(TextSpan span) {
    const std::string_view item = trim_whitespace(span.of(text_));
    values_.push([&] { return read_scalar(item); });
  }

  std::string_view text_;
  ValueStack& values_;
  std::vector<std::string_view>& keys_;
};

}  // namespace

std::expected<DataType, ParseFailure> read_container(std::string_view text) {
  thread_local Scratch scratch;
  const Scratch::Lease lease{scratch};
  Builder builder(text, scratch);
  if (!structure_scan::scan(text, scratch.structure, &builder)) {
    return std::unexpected(ParseFailure::kTooDeep);
  }
  DataType value = builder.build_top(scratch.structure.top());
  // Every block made here is the region's; the nested values need no seal of
  // their own, as destroying the sealed top reads none of them.
  if (active_value_region() != nullptr && text.size() < kSealedTextMax) value.seal_in_region();
  if (scratch.structure.items.size() > kKeptScratch) scratch.structure = ValueStructure();
  return value;
}

}  // namespace quorvane
