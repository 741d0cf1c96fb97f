#include "core/load/loader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/load/fd_closer.h"
#include "core/load/parallel_loader.h"
#include "core/text/byte_block.h"

namespace quorvane {
namespace {

constexpr std::size_t kMinimumBuffer = 64 * 1024;

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

}  // namespace

// One pass, 16 bytes at a time: the line starts of a block are the lanes
// after its line feeds, and most lines are told apart by their first byte
// alone, as line_kind's quick path does: printable ASCII but "#" and "[" is
// an entry line, a line feed or "#" a blank line or comment. Only lines
// starting otherwise (headers, indented or odd lines) are looked at whole.
std::vector<std::size_t> section_sizes(std::string_view text) {
  std::vector<std::size_t> sizes;
  std::size_t lines = 0, start = 0;
  auto finish = [&](std::size_t end) {
    if (!sizes.empty()) sizes.back() = std::min(lines, (end - start) / kShortestEntryLine + 1);
  };
  const char* const p = text.data();
  const std::size_t n = text.size();
  std::uint32_t carry = 1;  // the text's first byte starts a line
  for (std::size_t block = 0; block < n; block += kBlockSize) {
    const std::size_t size = std::min(kBlockSize, n - block);
    const ByteBlock bytes = load_block(p + block, size);
    const auto signed_bytes = reinterpret_cast<const LaneMask&>(bytes);
    const std::uint32_t feeds = lane_bits(bytes == '\n');
    const std::uint32_t real = size == kBlockSize ? 0xFFFFu : (1u << size) - 1;
    std::uint32_t starts = ((feeds << 1) | carry) & real;
    carry = feeds >> (kBlockSize - 1);
    std::uint32_t entries =
        starts & lane_bits((signed_bytes > ' ') & (bytes != '#') & (bytes != '['));
    std::uint32_t others = starts & ~entries & ~lane_bits((bytes == '\n') | (bytes == '#'));
    for (; others != 0; others &= others - 1) {
      const std::uint32_t lane = static_cast<std::uint32_t>(std::countr_zero(others));
      const std::uint32_t before = (1u << lane) - 1;
      lines += count_lanes(entries & before);
      entries &= ~before;
      const std::size_t line_start = block + lane;
      std::size_t pos = line_start;
      const LineKind kind = line_kind(next_line(text, pos));
      if (kind == LineKind::kHeader) {
        finish(line_start);
        sizes.push_back(0);
        lines = 0;
        start = std::min(pos, n);
      } else if (kind == LineKind::kEntry) {
        ++lines;
      }
    }
    lines += count_lanes(entries);
  }
  finish(n);
  return sizes;
}

std::expected<FileContents, Error> read_whole_file(std::string_view path,
                                                   bool (*keep_reading)()) {
  const auto failed = std::unexpected(Error::kErrorReadingFile);
  // A NUL would cut the path short and open some other file.
  if (path.empty() || path.find('\0') != std::string_view::npos) return failed;
  const std::string c_path(path);
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  const int fd = ::open(c_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return failed;
  FdCloser closer(fd);
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return failed;

  // One byte more than the stated size, so that a file that is read whole
  // ends with a zero-length read without regrowing. Files whose size is not
  // known in advance (/proc) grow the buffer by doubling.
  std::size_t capacity = std::max(static_cast<std::size_t>(info.st_size) + 1, kMinimumBuffer);
  auto data = std::make_unique_for_overwrite<char[]>(capacity);
  std::size_t size = 0;
  for (;;) {
    if (size == capacity) {
      const std::size_t grown = capacity * 2;
      auto bigger = std::make_unique_for_overwrite<char[]>(grown);
      std::memcpy(bigger.get(), data.get(), size);
      data = std::move(bigger);
      capacity = grown;
    }
    const ssize_t got = ::read(fd, data.get() + size, std::min(capacity - size, kReadChunk));
    if (got < 0 && errno != EINTR) return failed;
    if (got == 0) break;
    if (got > 0) size += static_cast<std::size_t>(got);
    if (keep_reading && !keep_reading()) return std::unexpected(Error::kReadInterrupted);
  }
  return FileContents(std::move(data), size);
}

std::expected<Database, Error> load_database_file(std::string_view path, const LoadHooks& hooks) {
  const std::expected<FileContents, Error> contents = read_whole_file(path, hooks.keep_reading);
  if (!contents) return std::unexpected(contents.error());
  StdoutSink sink{hooks.before_first_message};
  const std::string_view text = contents->text();
  return load_database_in_parts(path, text, sink, load_threads(text.size()));
}

}  // namespace quorvane
