#include "core/load/section_sizes.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/load/section_parser.h"
#include "core/text/byte_block.h"
#include "core/text/unicode.h"

namespace quorvane {
namespace {

// Entry lines need at least this many bytes each, line feed included.
constexpr std::size_t kShortestEntryLine = 6;

enum class LineKind { kSkipped, kHeader, kEntry };

// The kind of `line` as load_database sees it after trimming. Lines whose
// first byte past spaces and tabs is plain ASCII text skip the trimming.
LineKind line_kind(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  const unsigned char first = i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
  if (first > ' ' && first < 0x80 && first != '[') {
    return first == '#' ? LineKind::kSkipped : LineKind::kEntry;
  }
  const std::string_view trimmed = trim_whitespace(line);
  if (trimmed.empty() || trimmed.front() == '#') return LineKind::kSkipped;
  return header_name(trimmed) ? LineKind::kHeader : LineKind::kEntry;
}

// The number of bits set in a lane mask. std::popcount would be a library
// call: the baseline x86-64 has no popcount instruction.
std::size_t count_lanes(std::uint32_t mask) {
  mask = mask - ((mask >> 1) & 0x5555);
  mask = (mask & 0x3333) + ((mask >> 2) & 0x3333);
  mask = (mask + (mask >> 4)) & 0x0F0F;
  return (mask + (mask >> 8)) & 0x1F;
}

// The running state of section_sizes: the sizes of the sections met so far
// and the entry lines of the current one.
class SectionCounter {
 public:
  explicit SectionCounter(std::string_view text) : text_(text) {}

  // Adds `lines` entry lines of the current section.
  void add(std::size_t lines) { lines_ += lines; }

  // Counts the lines starting in the block at `block`, where some lines start
  // with a byte that does not tell their kind (the lanes of `others`) and
  // entry lines start at the lanes of `entries`. The lines are taken in
  // order, since one of the others may start a section.
  [[gnu::noinline]] void scan_lanes(std::size_t block, std::uint32_t entries,
                                    std::uint32_t others) {
    for (; others != 0; others &= others - 1) {
      const std::uint32_t lane = static_cast<std::uint32_t>(std::countr_zero(others));
      const std::uint32_t ahead = (1u << lane) - 1;
      lines_ += count_lanes(entries & ahead);
      entries &= ~ahead;
      const std::size_t line_start = block + lane;
      std::size_t pos = line_start;
      const LineKind kind = line_kind(next_line(text_, pos));
      if (kind == LineKind::kHeader) {
        close_section(line_start);
        sizes_.push_back(0);
        lines_ = 0;
        start_ = std::min(pos, text_.size());
      } else if (kind == LineKind::kEntry) {
        ++lines_;
      }
    }
    lines_ += count_lanes(entries);
  }

  // The sizes, once every line was counted.
  std::vector<std::size_t> finish() {
    close_section(text_.size());
    return std::move(sizes_);
  }

 private:
  void close_section(std::size_t end) {
    if (!sizes_.empty()) {
      sizes_.back() = std::min(lines_, (end - start_) / kShortestEntryLine + 1);
    }
  }

  std::string_view text_;
  std::vector<std::size_t> sizes_;
  std::size_t lines_ = 0;  // entry lines of the current section
  std::size_t start_ = 0;  // where the current section's entry lines start
};

std::uint32_t real_lanes(std::size_t size) {
  return size == kBlockSize ? 0xFFFFu : (1u << size) - 1;
}

}  // namespace

// One pass, 16 bytes at a time: a lane starts a line when the byte before it
// is a line feed, and most lines are told apart by their first byte alone, as
// line_kind's quick path does: printable ASCII but "#" and "[" is an entry
// line, a line feed or "#" a blank line or comment. Entry lines are counted
// in one byte counter per lane, summed at most 255 blocks apart so that none
// wraps. Only blocks where a line starts otherwise (headers, indented or odd
// lines) are looked at lane by lane, and such lines whole.
std::vector<std::size_t> section_sizes(std::string_view text) {
  SectionCounter counter(text);
  ByteBlock counts{};  // entry lines started in each lane, not yet added
  auto sum_counts = [&] {
    counter.add(lane_sum(counts));
    counts = ByteBlock{};
  };
  // `before` holds the byte ahead of each lane of `bytes`; `real` marks the
  // lanes within the text.
  auto scan = [&](std::size_t block, ByteBlock bytes, ByteBlock before, std::uint32_t real) {
    const auto signed_bytes = reinterpret_cast<const LaneMask&>(bytes);
    const LaneMask starts = before == '\n';
    const LaneMask printable = signed_bytes > ' ';
    const LaneMask bracket = bytes == '[';
    const LaneMask entries = starts & printable & ~((bytes == '#') | bracket);
    // Lines of the other kinds start with "[" or with a byte that is not
    // printable, a line feed aside ("#" is printable).
    const LaneMask known = (printable | (bytes == '\n')) & ~bracket;
    const std::uint32_t others = lane_bits(starts & ~known) & real;
    if (others == 0) [[likely]] {
      counts -= reinterpret_cast<const ByteBlock&>(entries);  // a lane of all ones adds one
    } else {
      sum_counts();
      counter.scan_lanes(block, lane_bits(entries), others);
    }
  };
  const char* const p = text.data();
  const std::size_t n = text.size();
  if (n == 0) return counter.finish();
  // The first block: the text's first byte starts a line.
  std::size_t block = std::min(n, kBlockSize);
  char first[kBlockSize];
  first[0] = '\n';
  std::memcpy(first + 1, p, block - 1);
  scan(0, load_block(p, block), load_block(first, block), real_lanes(block));
  constexpr std::size_t kBlocksPerSum = 255;
  while (n - block >= kBlockSize) {
    sum_counts();
    const std::size_t end = block + std::min((n - block) / kBlockSize, kBlocksPerSum) * kBlockSize;
    for (; block < end; block += kBlockSize) {
      scan(block, load_block(p + block, kBlockSize), load_block(p + block - 1, kBlockSize),
           0xFFFFu);
    }
  }
  sum_counts();
  if (const std::size_t size = n - block; size != 0) {
    scan(block, load_block(p + block, size), load_block(p + block - 1, size + 1),
         real_lanes(size));
    sum_counts();
  }
  return counter.finish();
}

}  // namespace quorvane
