// Helpers shared by the fuzz targets: invariant checks that stop the run with
// a message (libFuzzer then saves the input), exact-size copies of inputs, and
// walks over values. Single-threaded, as libFuzzer runs a target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "core/text/unicode.h"
#include "core/value/data_type.h"

namespace quorvane::fuzz {

// Stops the run when `holds` is false: prints `what` and aborts, which
// libFuzzer reports as a crash and saves the input that caused it.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Whether the whole of `text` is valid UTF-8.
inline bool is_valid_utf8(std::string_view text) { return !find_invalid_utf8(text); }

// A heap copy of exactly `size` bytes, so that AddressSanitizer reports any
// read past the end of the text handed to the code under test.
class ExactCopy {
 public:
  ExactCopy(const std::uint8_t* data, std::size_t size)
      : bytes_(std::make_unique<char[]>(size)), size_(size) {
    for (std::size_t i = 0; i < size; ++i) bytes_[i] = static_cast<char>(data[i]);
  }
  std::string_view view() const { return {bytes_.get(), size_}; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_;
};

// Nesting depth of a value: 0 for a scalar, 1 for an array or document that
// holds only scalars (or nothing), and so on.
std::size_t nesting_depth(const DataType& value);

// Whether two values are equal: same variants, texts, Ids, number bits,
// elements in order, and document entries (in any order). Allocates nothing.
bool same_value(const DataType& a, const DataType& b);

// Checks what holds for every value that a parse of valid UTF-8 text built:
// it nests no deeper than kMaxNestingDepth, its texts and keys are valid
// UTF-8, and document keys carry no White_Space at either end.
void check_parsed_value(const DataType& value, bool input_was_utf8);

}  // namespace quorvane::fuzz
