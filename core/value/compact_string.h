// An owned byte string in 16 bytes: up to 15 bytes are held inline, longer
// strings in one block of exactly their length, from the heap or, while a
// ValueRegionScope is active, from its region (value_region.h). Used for
// texts and keys, which are mostly short, so that most of them cost no
// allocation at all. Any bytes, NUL included. Not thread-safe for concurrent
// mutation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <bit>
#include <new>
#include <string_view>

namespace quorvane {

class CompactString {
 public:
  static constexpr std::size_t kInlineCapacity = 15;

  CompactString() noexcept { std::memset(bytes_, 0, sizeof bytes_); }
  explicit CompactString(std::string_view text) {
    if (text.size() <= kInlineCapacity) {
      assign_inline(text);
    } else {
      assign_fresh(text);
    }
  }
  CompactString(const CompactString& other) { assign_fresh(other.view()); }
  CompactString(CompactString&& other) noexcept { steal(other); }
  CompactString& operator=(const CompactString& other) {
    if (this != &other) {
      CompactString copy(other);
      release();
      steal(copy);
    }
    return *this;
  }
  CompactString& operator=(CompactString&& other) noexcept {
    if (this != &other) {
      release();
      steal(other);
    }
    return *this;
  }
  ~CompactString() { release(); }

  bool is_inline() const noexcept { return bytes_[kTagByte] <= kInlineCapacity; }
  std::size_t size() const noexcept {
    return is_inline() ? bytes_[kTagByte] : static_cast<std::size_t>(heap_size());
  }
  const char* data() const noexcept {
    return is_inline() ? reinterpret_cast<const char*>(bytes_) : heap_data();
  }
  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }

  // The 16 bytes as two words. An inline string's are its bytes, zeros after
  // them and its length in the last byte, so two inline strings are equal
  // exactly when their words are; a string held out of line never has the
  // words of an inline one (its last byte is a tag above 15).
  struct Words {
    std::uint64_t lo;
    std::uint64_t hi;
  };
  Words words() const noexcept {
    Words w;
    std::memcpy(&w.lo, bytes_, 8);
    std::memcpy(&w.hi, bytes_ + 8, 8);
    return w;
  }
  // The words of an inline CompactString holding `text`, made with word
  // loads that stay within the text. REQUIRES: text.size() <= kInlineCapacity.
  static Words inline_words(std::string_view text) noexcept {
    const char* const p = text.data();
    const std::size_t n = text.size();
    std::uint64_t lo = 0;
    std::uint64_t hi = 0;
    if (n >= 8) {
      lo = load<std::uint64_t>(p);
      // Bytes 8 to n-1 are the top n-8 bytes of the word that ends the text;
      // split in two so that n == 8 shifts by 64 without overflow.
      hi = (load<std::uint64_t>(p + n - 8) >> 1) >> (8 * (16 - n) - 1);
    } else if (n >= 4) {
      lo = load<std::uint32_t>(p) | std::uint64_t{load<std::uint32_t>(p + n - 4)} << (8 * (n - 4));
    } else if (n != 0) {
      lo = std::uint64_t{static_cast<unsigned char>(p[0])} |
           std::uint64_t{static_cast<unsigned char>(p[n / 2])} << (8 * (n / 2)) |
           std::uint64_t{static_cast<unsigned char>(p[n - 1])} << (8 * (n - 1));
    }
    return {lo, hi | std::uint64_t{n} << 56};
  }

 private:
  // Inline: bytes_[0..14] the text, bytes_[15] its length (0 to 15).
  // Block:  bytes_[0..7] the block's address, bytes_[8..14] the length
  //         (56 bits, little-endian), bytes_[15] kHeapTag, or kRegionTag for
  //         a region's block, which is never deleted.
  static constexpr std::size_t kTagByte = 15;
  static constexpr unsigned char kHeapTag = 0xFF;
  static constexpr unsigned char kRegionTag = 0xFE;

  const char* heap_data() const noexcept {
    const char* p;
    std::memcpy(&p, bytes_, sizeof p);
    return p;
  }
  std::uint64_t heap_size() const noexcept {
    std::uint64_t word;
    std::memcpy(&word, bytes_ + 8, sizeof word);
    return word & ((std::uint64_t{1} << 56) - 1);
  }
  void assign_fresh(std::string_view text);  // *this holds nothing to release
  // assign_fresh for a text of at most kInlineCapacity bytes, inline and
  // without a memcpy call: zeros, then two word moves that overlap where the
  // length needs (cheaper than making inline_words). Most keys are this short.
  void assign_inline(std::string_view text) noexcept {
    const char* const from = text.data();
    const std::size_t n = text.size();
    std::memset(bytes_, 0, sizeof bytes_);
    if (n >= 8) {
      copy_word<std::uint64_t>(from, 0);
      copy_word<std::uint64_t>(from, n - 8);
    } else if (n >= 4) {
      copy_word<std::uint32_t>(from, 0);
      copy_word<std::uint32_t>(from, n - 4);
    } else if (n != 0) {
      bytes_[0] = static_cast<unsigned char>(from[0]);
      bytes_[n / 2] = static_cast<unsigned char>(from[n / 2]);
      bytes_[n - 1] = static_cast<unsigned char>(from[n - 1]);
    }
    bytes_[kTagByte] = static_cast<unsigned char>(n);
  }
  template <class Word>
  void copy_word(const char* from, std::size_t at) noexcept {
    const Word word = load<Word>(from + at);
    std::memcpy(bytes_ + at, &word, sizeof word);
  }
  template <class Word>
  static Word load(const char* from) noexcept {
    Word word;
    std::memcpy(&word, from, sizeof word);
    return word;
  }
  void release() noexcept {
    if (bytes_[kTagByte] == kHeapTag) ::operator delete(const_cast<char*>(heap_data()));
  }
  void steal(CompactString& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    std::memset(other.bytes_, 0, sizeof other.bytes_);  // the empty string's words
  }

  alignas(8) unsigned char bytes_[16];
};

static_assert(sizeof(CompactString) == 16);
static_assert(std::endian::native == std::endian::little, "the heap length is stored little-endian");

}  // namespace quorvane
