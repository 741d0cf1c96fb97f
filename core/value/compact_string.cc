#include "core/value/compact_string.h"

#include "core/value/value_region.h"

namespace quorvane {

void CompactString::assign_fresh(std::string_view text) {
  if (text.size() <= kInlineCapacity) {
    assign_inline(text);
    return;
  }
  bool in_region;
  char* block = static_cast<char*>(allocate_value_block(text.size(), in_region));
  std::memcpy(block, text.data(), text.size());
  std::memcpy(bytes_, &block, sizeof block);
  const std::uint64_t word = static_cast<std::uint64_t>(text.size());  // < 2^56 in practice
  std::memcpy(bytes_ + 8, &word, 7);
  bytes_[kTagByte] = in_region ? kRegionTag : kHeapTag;
}

}  // namespace quorvane
