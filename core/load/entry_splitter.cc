#include "core/load/entry_splitter.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/text/byte_block.h"
#include "core/text/unicode.h"

namespace quorvane {
namespace {

// Byte length of the White_Space character at `i`, or 0. ASCII first: it is
// nearly every byte of a real file.
inline std::size_t whitespace_at(std::string_view text, std::size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) return (b == ' ' || (b >= '\t' && b <= '\r')) ? 1 : 0;
  return leading_whitespace_char(text.substr(i));
}

// What the splitting rule needs to know about a word or a field: quote
// parities and the balance of each bracket kind (openers minus closers).
struct Counts {
  bool double_quotes_odd = false;
  bool single_quotes_odd = false;
  std::ptrdiff_t brackets = 0;
  std::ptrdiff_t braces = 0;
};

// Byte classes for the word scan: most bytes need no more than one look-up.
enum ByteClass : std::uint8_t { kPlain, kAsciiSpace, kCounted, kNonAscii };

constexpr std::array<ByteClass, 256> make_byte_classes() {
  std::array<ByteClass, 256> classes{};
  for (int b = 0x80; b < 0x100; ++b) classes[b] = kNonAscii;
  for (unsigned char b : {'\t', '\n', '\v', '\f', '\r', ' '}) classes[b] = kAsciiSpace;
  for (unsigned char b : {'"', '\'', '[', ']', '{', '}'}) classes[b] = kCounted;
  return classes;
}
constexpr std::array<ByteClass, 256> kByteClasses = make_byte_classes();

inline void count_char(char c, Counts& counts) {
  switch (c) {
    case '"':
      counts.double_quotes_odd = !counts.double_quotes_odd;
      break;
    case '\'':
      counts.single_quotes_odd = !counts.single_quotes_odd;
      break;
    case '[':
      ++counts.brackets;
      break;
    case ']':
      --counts.brackets;
      break;
    case '{':
      ++counts.braces;
      break;
    default:  // '}'
      --counts.braces;
      break;
  }
}

// Scans the word that starts at `i` (not at whitespace) and returns its end.
std::size_t scan_word(std::string_view text, std::size_t i, Counts& word) {
  word = Counts{};
  const std::size_t n = text.size();
  for (; i < n; ++i) {
    const char c = text[i];
    switch (kByteClasses[static_cast<unsigned char>(c)]) {
      case kPlain:
        break;
      case kAsciiSpace:
        return i;
      case kNonAscii:
        if (leading_whitespace_char(text.substr(i)) != 0) return i;
        break;
      case kCounted:
        count_char(c, word);
        break;
    }
  }
  return i;
}

// Skips the whitespace run at `i` and returns its end. `single_space` tells
// whether the run was exactly one U+0020.
std::size_t skip_whitespace(std::string_view text, std::size_t i, bool& single_space) {
  const std::size_t start = i;
  while (i < text.size()) {
    const std::size_t k = whitespace_at(text, i);
    if (k == 0) break;
    i += k;
  }
  single_space = (i == start + 1 && text[start] == ' ');
  return i;
}

// Appends text[begin, end) with every whitespace run turned into one space.
// REQUIRES: the range starts and ends with a word.
void append_normalised(std::string_view text, std::size_t begin, std::size_t end,
                       std::string& out) {
  std::size_t i = begin;
  while (i < end) {
    if (whitespace_at(text, i) != 0) {
      bool unused;
      i = skip_whitespace(text, i, unused);
      out.push_back(' ');
    } else {
      out.push_back(text[i++]);
    }
  }
}

// Byte properties for the quick path of split_entries.
enum QuickBits : std::uint8_t {
  kQuickSpace = 1,        // U+0020
  kQuickOtherSpace = 2,   // the other ASCII whitespace
  kQuickHigh = 4,         // beyond ASCII: maybe the start of a whitespace character
  kQuickSingleQuote = 8,  // also counted
  kQuickCounted = 16,     // a character that the splitting rule counts
};

constexpr std::array<std::uint8_t, 256> kQuickBits = [] {
  std::array<std::uint8_t, 256> bits{};
  for (int b = 0x80; b < 0x100; ++b) bits[b] = kQuickHigh;
  for (unsigned char b : {'\t', '\n', '\v', '\f', '\r'}) bits[b] = kQuickOtherSpace;
  bits[' '] = kQuickSpace;
  for (unsigned char b : {'"', '[', ']', '{', '}'}) bits[b] = kQuickCounted;
  bits['\''] = kQuickCounted | kQuickSingleQuote;
  return bits;
}();

// Whether a byte beyond ASCII in `text` starts a whitespace character.
bool has_unicode_whitespace(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80 && leading_whitespace_char(text.substr(i)))
      return true;
  }
  return false;
}

// Whether the whole 16-byte blocks of line[begin, end) (all but its last
// (end - begin) % 16 bytes) hold no whitespace but single spaces and no
// single quote. Bytes beyond ASCII set kQuickHigh in `seen`, for the final
// check of the quick path. REQUIRES: begin > 0.
bool rest_blocks_are_plain(std::string_view line, std::size_t begin, unsigned& seen) {
  std::uint32_t bad = 0;
  std::uint32_t high = 0;
  const char* const p = line.data();
  for (std::size_t i = begin; line.size() - i >= kBlockSize; i += kBlockSize) {
    const ByteBlock block = load_block(p + i, kBlockSize);
    // The byte before each: two spaces in a row are no single space.
    const ByteBlock before = load_block(p + i - 1, kBlockSize);
    bad |= lane_bits((block - 9 < 5) | (block == '\'') | ((block == ' ') & (before == ' ')));
    high |= lane_bits(block > 0x7F);
  }
  if (high != 0) seen |= kQuickHigh;
  return bad == 0;
}

// Where the quick scans read the block for the bytes from `i` on: at `i`
// while the line has 16 bytes there, else the line's last 16 bytes, whose
// lane masks are then shifted right by i - block_at(i, n) so that bit 0
// stands for byte `i` (bytes before `i` drop out). No read leaves the line.
// REQUIRES: i < n and n >= kBlockSize.
inline std::size_t block_at(std::size_t i, std::size_t n) {
  return i <= n - kBlockSize ? i : n - kBlockSize;
}

// Lanes of `bytes` holding a character that the splitting rule counts.
inline LaneMask counted_lanes(ByteBlock bytes) {
  // "[" and "{", and "]" and "}", differ only in the bit 0x20.
  const ByteBlock folded = bytes | 0x20;
  return (bytes == '"') | (bytes == '\'') | (folded == '{') | (folded == '}');
}

// The end of the type-code or key field that starts at `i`: the first byte at
// or after `i` that is whitespace or counted, or `n`. Bytes beyond ASCII
// before it set kQuickHigh in `seen`. 16 bytes at a time (see block_at), so
// a key costs a block or two instead of a look-up per byte.
std::size_t quick_field_end(const unsigned char* p, std::size_t i, std::size_t n, unsigned& seen) {
  while (i < n && n >= kBlockSize) {
    const std::size_t at = block_at(i, n);
    const std::size_t shift = i - at;
    const ByteBlock bytes = load_block(reinterpret_cast<const char*>(p + at), kBlockSize);
    const std::uint32_t stop =
        lane_bits((bytes == ' ') | (bytes - 9 < 5) | counted_lanes(bytes)) >> shift;
    const std::uint32_t high = lane_bits(bytes > 0x7F) >> shift;
    if (stop != 0) {
      if ((high & (stop - 1) & ~stop) != 0) seen |= kQuickHigh;
      return i + static_cast<std::size_t>(std::countr_zero(stop));
    }
    if (high != 0) seen |= kQuickHigh;
    i = at + kBlockSize;
  }
  for (; i < n && (kQuickBits[p[i]] & ~kQuickHigh) == 0; ++i) seen |= kQuickBits[p[i]];
  return i;
}

// The end of the first word of the value field, which starts at `i`: the
// first U+0020 at or after `i`, or `n`. Adds the bits of the word's bytes to
// `seen` and counts its counted characters into `counts`, as a byte-by-byte
// scan would; 16 bytes at a time (see block_at).
std::size_t quick_word_end(const unsigned char* p, std::size_t i, std::size_t n, unsigned& seen,
                           Counts& counts) {
  while (i < n && n >= kBlockSize) {
    const std::size_t at = block_at(i, n);
    const std::size_t shift = i - at;
    const ByteBlock bytes = load_block(reinterpret_cast<const char*>(p + at), kBlockSize);
    const std::uint32_t space = lane_bits(bytes == ' ') >> shift;
    const std::uint32_t word = space == 0 ? 0xFFFFu : (space - 1) & ~space;  // lanes before it
    if (((lane_bits(bytes - 9 < 5) >> shift) & word) != 0) seen |= kQuickOtherSpace;
    if (((lane_bits(bytes > 0x7F) >> shift) & word) != 0) seen |= kQuickHigh;
    for (std::uint32_t counted = (lane_bits(counted_lanes(bytes)) >> shift) & word; counted != 0;
         counted &= counted - 1) {
      const unsigned char c = p[i + static_cast<std::size_t>(std::countr_zero(counted))];
      seen |= kQuickBits[c];
      count_char(static_cast<char>(c), counts);
    }
    if (space != 0) return i + static_cast<std::size_t>(std::countr_zero(space));
    i = at + kBlockSize;
  }
  for (; i < n; ++i) {
    const std::uint8_t bits = kQuickBits[p[i]];
    if (bits & kQuickSpace) break;
    seen |= bits;
    if (bits & kQuickCounted) count_char(static_cast<char>(p[i]), counts);
  }
  return i;
}

}  // namespace

// One pass: table-driven, and 16 bytes at a time over most of the value. A
// field once opened closes only on an odd count of single quotes, so without
// any it takes in the rest of the line.
std::optional<std::array<std::string_view, 3>> split_common_entry(std::string_view line) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  unsigned seen = 0;  // the bits of every byte passed
  std::size_t begin[3];
  begin[0] = 0;
  // The type code is nearly always one plain byte and a space: then the
  // scan below would stop at that space, having seen nothing.
  const bool one_byte_code = n > 2 && kQuickBits[p[0]] == 0 && p[1] == ' ';
  std::size_t i = one_byte_code ? 2 : 0;
  for (int field = one_byte_code ? 1 : 0; field < 2; ++field) {
    begin[field] = i;
    i = quick_field_end(p, i, n, seen);
    if (i == begin[field] || i == n || p[i] != ' ') return std::nullopt;
    ++i;
  }
  begin[2] = i;
  Counts first;
  i = quick_word_end(p, i, n, seen, first);
  if (i == begin[2] || (seen & kQuickOtherSpace)) return std::nullopt;
  if (i < n) {
    const bool opens = first.double_quotes_odd || first.single_quotes_odd || first.brackets != 0 ||
                       first.braces != 0;
    if (!opens) return std::nullopt;
    if (!rest_blocks_are_plain(line, i, seen)) return std::nullopt;
    // The last bytes: the line's final 16 checked as a block, or one by one
    // in a shorter line. The test looks at each byte and the one before it
    // only, so bytes checked twice change nothing, and bytes before `i` can
    // only fail it where the quick path has failed already (a tab or a
    // single quote in the first word) or set kQuickHigh again.
    i = n - (n - i) % kBlockSize;
    if (i < n && n > kBlockSize) {
      if (!rest_blocks_are_plain(line, n - kBlockSize, seen)) return std::nullopt;
      i = n;
    }
    bool after_space = p[i - 1] == ' ';
    for (; i < n; ++i) {
      const std::uint8_t bits = kQuickBits[p[i]];
      if (after_space && (bits & kQuickSpace)) return std::nullopt;
      after_space = bits & kQuickSpace;
      seen |= bits;
    }
    if (after_space || (seen & (kQuickOtherSpace | kQuickSingleQuote))) return std::nullopt;
  }
  if ((seen & kQuickHigh) && has_unicode_whitespace(line)) return std::nullopt;
  // 0 < begin[1] < begin[2] <= n, each field followed by its space: the
  // views need no substr check.
  const char* text = line.data();
  return std::array<std::string_view, 3>{std::string_view(text, begin[1] - 1),
                                         std::string_view(text + begin[1], begin[2] - 1 - begin[1]),
                                         std::string_view(text + begin[2], n - begin[2])};
}

std::string_view EntryFields::operator[](std::size_t i) const {
  assert(i < kept());
  const Span& s = spans_[i];
  const std::string_view from = s.normalised ? std::string_view(normalised_) : line_;
  return from.substr(s.offset, s.length);
}

// The rule recounts the whole joined field after every word; the running
// totals in `field` give the same counts in one pass. Only the brace test
// looks at the last word alone.
void split_entries(std::string_view line, EntryFields& out, std::size_t max_kept) {
  out.line_ = line;
  out.spans_.clear();
  out.normalised_.clear();
  out.count_ = 0;
  if (const std::optional<std::array<std::string_view, 3>> common = split_common_entry(line)) {
    for (const std::string_view field : *common) {
      if (out.count_++ >= max_kept) continue;
      out.spans_.push_back(
          {static_cast<std::size_t>(field.data() - line.data()), field.size(), false});
    }
    return;
  }

  std::size_t field_begin = 0, field_end = 0;
  bool field_regular = true;  // words separated by single spaces only
  bool have_field = false;
  bool closed = true;
  Counts field, word;

  auto finish_field = [&] {
    if (out.count_++ >= max_kept) return;
    if (field_regular) {
      out.spans_.push_back({field_begin, field_end - field_begin, false});
    } else {
      const std::size_t offset = out.normalised_.size();
      append_normalised(line, field_begin, field_end, out.normalised_);
      out.spans_.push_back({offset, out.normalised_.size() - offset, true});
    }
  };

  bool single_space = false;
  std::size_t i = skip_whitespace(line, 0, single_space);
  while (i < line.size()) {
    const std::size_t word_begin = i;
    i = scan_word(line, i, word);
    if (closed) {
      if (have_field) finish_field();
      have_field = true;
      field_begin = word_begin;
      field_regular = true;
      field = word;
      closed = !word.double_quotes_odd && !word.single_quotes_odd && word.brackets == 0 &&
               word.braces == 0;
    } else {
      field_regular = field_regular && single_space;
      field.double_quotes_odd ^= word.double_quotes_odd;
      field.single_quotes_odd ^= word.single_quotes_odd;
      field.brackets += word.brackets;
      if (field.double_quotes_odd) {
        closed = field.single_quotes_odd && field.brackets == 0 && word.braces == 0;
      }
    }
    field_end = i;
    i = skip_whitespace(line, i, single_space);
  }
  if (have_field) finish_field();
}

std::vector<std::string> split_entries(std::string_view line) {
  EntryFields fields;
  split_entries(line, fields);
  std::vector<std::string> out;
  out.reserve(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) out.emplace_back(fields[i]);
  return out;
}

}  // namespace quorvane
