#include "core/text/one_pass_reader.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <utility>
#include <vector>

#include "core/text/byte_block.h"
#include "core/text/comma_scan.h"
#include "core/text/scalar_reader.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"
#include "core/value/document.h"

// Why an accepted text reads as the level-by-level reader reads it.
//
// The splitting rules count a quote flag, a bracket depth and a brace depth
// from the start of each level (and of each pair value). This reader counts
// them for the text it scans itself: from the start of each item or pair
// value, where the level's count is zero again. It gives up whenever a
// depth would go below zero, except at a level's close: the first "]" of an
// array level (or "}" of a document level) that finds the level's depths and
// quote flag all clear. It gives up on a quote, bracket or brace in a key
// (only "}", as the close, may end a key text), so a key leaves the counts
// of the levels above alike.
//
// Say an item of level L starts (after whitespace, where L's count is zero)
// with the "[" of a nested level N, and N closes at c. Everywhere between
// the two, N's depths are zero or more, so L's bracket depth is one or more:
// no comma there splits L. After the "]" at c, L's count is zero again, and
// whitespace keeps it so; the reader requires that ASCII whitespace and then
// a comma or L's own close follow, so L's piece ends exactly there and its
// whitespace-trimmed text starts with that "[" and ends at c: L reads it as
// an array whose inner text is exactly N's, which N has read by the same
// rules. The same holds for "{" and documents, whose key texts leave L's
// count as it was; an item that is a braced UUID ("{" then 37 bytes) is read
// as an Id, and taken only when whitespace and a comma or the close follow.
// A level reached at the end of the text without its close, or a top level
// whose close is not the text's last byte, gives up.
//
// Every other item is scanned to the comma that splits its level, or to
// the level's close, and read by read_scalar after the same trim. A level
// gives up at a depth of kMaxOnePassDepth, so that the depth limit stays
// with the level-by-level reader. Anything given up is read afresh there.

namespace quorvane {
namespace {

constexpr std::size_t kGiveUp = std::numeric_limits<std::size_t>::max();

// Real values nest a few levels; deeper ones are read level by level, which
// keeps the depth limit. A level here takes under 150 bytes of stack (one
// of the level-by-level reader 240 to 400), so the deepest stack of a
// reading stays that of the level-by-level reader.
constexpr std::size_t kMaxOnePassDepth = 64;

// Scratch stacks larger than this are given back after use.
constexpr std::size_t kKeptScratch = 4096;

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
  DataType& operator[](std::size_t k) { return items_[k]; }

  // Pushes the value that make() returns.
  template <class Make>
  void push(Make&& make) {
    if (size_ == capacity_) grow();
    new (items_ + size_) DataType(make());
    ++size_;
  }
  void pop() { items_[--size_].~DataType(); }
  void truncate(std::size_t size) {
    while (size_ > size) pop();
  }
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

// The items of the levels being read, innermost last: a level moves its own
// into an exactly sized Array or Document at its close. Reused from call to
// call, so that reading allocates no scratch space.
struct Scratch {
  ValueStack values;
  std::vector<std::string_view> keys;  // trimmed, one per pair value

  // Empties the stacks on every way out, exceptions included, so that each
  // reading starts with them empty.
  struct Lease {
    ~Lease() { scratch.clear(); }
    Scratch& scratch;
  };

  void clear() {
    values.clear(kKeptScratch);
    keys.clear();
    if (keys.capacity() > kKeptScratch) std::vector<std::string_view>().swap(keys);
  }
};

// The bytes , " : [ ] { } of a text, found 16 at a time in blocks at
// multiples of 16 from its start, so that each byte is loaded once.
class StructuralCursor {
 public:
  explicit StructuralCursor(std::string_view text)
      : p_(text.data()), end_(text.size()), bits_(block_bits(0)) {}

  // The offset of the first such byte at or after `from`, or the text's
  // length. Fastest when `from` never decreases: a block is loaded when
  // `from` leaves the last one.
  std::size_t next(std::size_t from) {
    for (;;) {
      if (from - base_ < kBlockSize) {
        const std::uint32_t bits = bits_ >> (from - base_);
        if (bits != 0) return from + static_cast<std::size_t>(std::countr_zero(bits));
        from = base_ + kBlockSize;
      }
      if (from >= end_) return end_;
      load(from);
    }
  }

 private:
  // Out of line: once in 16 bytes at most, and it keeps its vector
  // constants out of the callers.
  [[gnu::noinline]] void load(std::size_t from) {
    base_ = from & ~(kBlockSize - 1);
    bits_ = block_bits(base_);
  }

  std::uint32_t block_bits(std::size_t at) const {
    if (end_ - at >= kBlockSize) return structural_bits<true>(p_ + at);
    if (end_ >= kBlockSize) {
      // The text's last 16 bytes, without the lanes before `at`.
      const std::size_t last = end_ - kBlockSize;
      return structural_bits<true>(p_ + last) >> (at - last);
    }
    std::uint32_t bits = 0;
    for (std::size_t i = at; i < end_; ++i) {
      bits |= std::uint32_t{kStructuralBytes<true>[static_cast<unsigned char>(p_[i])]} << (i - at);
    }
    return bits;
  }

  const char* p_;
  std::size_t end_;
  std::size_t base_ = 0;
  std::uint32_t bits_;
};

bool is_ascii_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one container text. Positions are offsets into it; each read_*
// returns the offset of the byte that ends what it read, or kGiveUp.
class OnePassReader {
 public:
  OnePassReader(std::string_view text, Scratch& scratch)
      : text_(text), p_(text.data()), end_(text.size()), cursor_(text), scratch_(scratch) {}

  // The level whose inner text starts at `pos`, at depth `depth`; pushes
  // its value and returns the offset of its close.
  std::size_t read_array(std::size_t pos, std::size_t depth);
  std::size_t read_document(std::size_t pos, std::size_t depth);

 private:
  // The item or pair value at `pos` of a level closed by `close`; pushes its
  // value and returns the offset of the splitting comma or close after it.
  // Inlined into both level readers, so that a scalar costs no call.
  [[gnu::always_inline]] std::size_t read_item(std::size_t pos, char close, std::size_t depth);
  [[gnu::always_inline]] std::size_t read_scalar_item(std::size_t pos, char close);
  // The offset of the splitting comma or close that ends an item whose
  // first structural byte is at `at`, or kGiveUp.
  [[gnu::noinline]] std::size_t scan_scalar_item(std::size_t at, char close);
  // The offset of the colon that ends the key text at `pos`, or of the
  // level's close when no colon comes first; kGiveUp at a quote, bracket
  // or brace before either.
  [[gnu::noinline]] std::size_t find_colon(std::size_t pos);
  // Past the whitespace at `pos`, by the trim's rules.
  [[gnu::always_inline]] std::size_t skip_whitespace(std::size_t pos) const;
  [[gnu::noinline]] std::size_t skip_other_whitespace(std::size_t pos) const;
  // Past ASCII whitespace at `pos`, which must then reach a comma or `close`.
  [[gnu::always_inline]] std::size_t end_after_value(std::size_t pos, char close) const;
  // Pushes the Id of the braced UUID at `pos`; false if there is none.
  [[gnu::noinline]] bool read_braced_uuid(std::size_t pos);
  [[gnu::noinline]] void close_array(std::size_t mark);
  [[gnu::noinline]] void close_document(std::size_t mark, std::size_t key_mark);

  std::string_view text_;
  const char* p_;
  std::size_t end_;
  StructuralCursor cursor_;
  Scratch& scratch_;
};

std::size_t OnePassReader::read_array(std::size_t pos, std::size_t depth) {
  if (depth > kMaxOnePassDepth) return kGiveUp;
  const std::size_t mark = scratch_.values.size();
  // An empty last piece adds no item; a blank one adds an empty Text.
  while (pos < end_ && p_[pos] != ']') {
    const std::size_t end = read_item(pos, ']', depth);
    if (end == kGiveUp) return kGiveUp;
    pos = end;
    if (p_[end] != ',') break;
    ++pos;
  }
  if (pos == end_) return kGiveUp;
  close_array(mark);
  return pos;
}

std::size_t OnePassReader::read_document(std::size_t pos, std::size_t depth) {
  if (depth > kMaxOnePassDepth) return kGiveUp;
  const std::size_t mark = scratch_.values.size();
  const std::size_t key_mark = scratch_.keys.size();
  for (;;) {
    const std::size_t colon = find_colon(pos);
    if (colon == kGiveUp) return kGiveUp;
    // A last pair counts only when its key and value texts are not empty.
    if (p_[colon] == '}' || p_[colon + 1] == '}') {
      pos = p_[colon] == '}' ? colon : colon + 1;
      break;
    }
    const std::size_t end = read_item(colon + 1, '}', depth);
    if (end == kGiveUp) return kGiveUp;
    const bool last = p_[end] == '}';
    if (last && colon == pos) {
      scratch_.values.pop();
    } else {
      scratch_.keys.push_back(trim_whitespace(text_.substr(pos, colon - pos)));
    }
    pos = end;
    if (last) break;
    ++pos;
  }
  close_document(mark, key_mark);
  return pos;
}

inline std::size_t OnePassReader::read_item(std::size_t pos, char close, std::size_t depth) {
  pos = skip_whitespace(pos);
  if (pos == end_) return kGiveUp;
  std::size_t closed;
  if (p_[pos] == '[') {
    closed = read_array(pos + 1, depth + 1);
  } else if (p_[pos] != '{') {
    return read_scalar_item(pos, close);
  } else if (read_braced_uuid(pos)) {
    closed = pos + 37;
  } else {
    closed = read_document(pos + 1, depth + 1);
  }
  return closed == kGiveUp ? kGiveUp : end_after_value(closed + 1, close);
}

inline std::size_t OnePassReader::read_scalar_item(std::size_t pos, char close) {
  std::size_t at = cursor_.next(pos);
  if (at == end_) return kGiveUp;
  // Most items hold no quote, bracket or brace: their first structural
  // byte, a comma or the close, ends them. Next come quoted texts: two
  // quotes, then the comma or close, with the counts clear again there.
  if (p_[at] != ',' && p_[at] != close) {
    std::size_t after = kGiveUp;
    if (p_[at] == '"') {
      const std::size_t quote = cursor_.next(at + 1);
      if (quote != end_ && p_[quote] == '"') after = cursor_.next(quote + 1);
    }
    if (after != kGiveUp && after != end_ && (p_[after] == ',' || p_[after] == close)) {
      at = after;
    } else {
      at = scan_scalar_item(at, close);
      if (at == kGiveUp) return kGiveUp;
    }
  }
  // [pos, at) has no leading whitespace; most items have none at the end
  // either, but plain spaces.
  std::size_t last = at;
  while (last > pos && p_[last - 1] == ' ') --last;
  const auto back = static_cast<unsigned char>(p_[last - 1]);
  const std::string_view item = (last == pos || (back > ' ' && back < 0x7F))
                                    ? std::string_view(p_ + pos, last - pos)
                                    : trim_whitespace(std::string_view(p_ + pos, at - pos));
  scratch_.values.push([&] { return read_scalar(item); });
  return at;
}

std::size_t OnePassReader::scan_scalar_item(std::size_t at, char close) {
  // The quote flag and depths from the item's start, where the level's
  // count is zero.
  unsigned quoted = 0;
  std::size_t brackets = 0;
  std::size_t braces = 0;
  for (;; at = cursor_.next(at + 1)) {
    if (at == end_) return kGiveUp;
    const char c = p_[at];
    if (c == ',') {
      if ((quoted | brackets | braces) == 0) return at;
    } else if (c == '"') {
      quoted ^= 1;
    } else if (c == '[') {
      ++brackets;
    } else if (c == '{') {
      ++braces;
    } else if (c == ']') {
      if (brackets == 0) return close == ']' && (quoted | braces) == 0 ? at : kGiveUp;
      --brackets;
    } else if (c == '}') {
      if (braces == 0) return close == '}' && (quoted | brackets) == 0 ? at : kGiveUp;
      --braces;
    }
  }
}

std::size_t OnePassReader::find_colon(std::size_t pos) {
  for (;; ++pos) {
    pos = cursor_.next(pos);
    if (pos == end_) return kGiveUp;
    const char c = p_[pos];
    if (c == ':' || c == '}') return pos;
    if (c != ',') return kGiveUp;  // commas are key text; other bytes would move the counts
  }
}

inline std::size_t OnePassReader::skip_whitespace(std::size_t pos) const {
  while (pos < end_ && p_[pos] == ' ') ++pos;
  if (pos == end_ || (p_[pos] > ' ' && p_[pos] < 0x7F)) return pos;
  return skip_other_whitespace(pos);
}

std::size_t OnePassReader::skip_other_whitespace(std::size_t pos) const {
  while (pos < end_) {
    if (is_ascii_space(p_[pos])) {
      ++pos;
    } else if (static_cast<unsigned char>(p_[pos]) < 0x80) {
      break;
    } else if (const std::size_t size = leading_whitespace_char(text_.substr(pos))) {
      pos += size;
    } else {
      break;
    }
  }
  return pos;
}

inline std::size_t OnePassReader::end_after_value(std::size_t pos, char close) const {
  while (pos < end_ && is_ascii_space(p_[pos])) ++pos;
  return pos < end_ && (p_[pos] == ',' || p_[pos] == close) ? pos : kGiveUp;
}

bool OnePassReader::read_braced_uuid(std::size_t pos) {
  constexpr std::size_t kBracedLength = 38;
  if (end_ - pos < kBracedLength || p_[pos + kBracedLength - 1] != '}') return false;
  const std::optional<Id> id = parse_uuid(text_.substr(pos, kBracedLength));
  if (!id) return false;
  scratch_.values.push([&] { return DataType::id(*id); });
  return true;
}

void OnePassReader::close_array(std::size_t mark) {
  ValueStack& values = scratch_.values;
  Array items;
  items.append_moved(values.data() + mark, values.size() - mark);
  values.truncate(mark);
  values.push([&] { return DataType::array(std::move(items)); });
}

void OnePassReader::close_document(std::size_t mark, std::size_t key_mark) {
  ValueStack& values = scratch_.values;
  std::vector<std::string_view>& keys = scratch_.keys;
  Document document;
  document.reserve(keys.size() - key_mark);
  // In text order, so that a later pair replaces an earlier one of its key.
  for (std::size_t k = 0; k < keys.size() - key_mark; ++k) {
    document.insert_or_assign(keys[key_mark + k], std::move(values[mark + k]));
  }
  document.shrink_to_fit();  // sized for every pair, but a key given again adds none
  values.truncate(mark);
  keys.resize(key_mark);
  values.push([&] { return DataType::document(std::move(document)); });
}

}  // namespace

std::optional<DataType> read_common_container(std::string_view text) {
  thread_local Scratch scratch;
  const Scratch::Lease lease{scratch};
  OnePassReader reader(text, scratch);
  const std::size_t close =
      text.front() == '[' ? reader.read_array(1, 1) : reader.read_document(1, 1);
  if (close != text.size() - 1) return std::nullopt;
  return std::move(scratch.values[0]);
}

}  // namespace quorvane
