#include "core/text/comma_index.h"

#include <algorithm>
#include <array>

namespace quorvane {
namespace {

// Characters that change the scan state, or are commas.
constexpr bool is_structural(unsigned char c) {
  return c == '"' || c == '[' || c == ']' || c == '{' || c == '}' || c == ',';
}

constexpr auto kStructural = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = is_structural(static_cast<unsigned char>(c));
  return table;
}();

std::uint64_t mix(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDULL;
  x ^= x >> 33;
  return x;
}

}  // namespace

std::size_t ScanStateHash::operator()(const ScanState& s) const noexcept {
  const auto brackets = static_cast<std::uint64_t>(s.brackets);
  const auto braces = static_cast<std::uint64_t>(s.braces);
  return static_cast<std::size_t>(
      mix(brackets * 0x9E3779B97F4A7C15ULL ^ mix(braces * 2 + s.quoted)));
}

CommaIndex::CommaIndex(std::string_view text) {
  // First pass: the group of every comma, in text order.
  std::vector<std::uint32_t> comma_groups;
  std::vector<std::size_t> comma_offsets;
  std::vector<std::size_t> group_sizes;
  ScanState state;
  ScanState last_state;
  std::uint32_t last_group = 0;
  bool have_last = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!kStructural[static_cast<unsigned char>(c)]) continue;
    if (c != ',') {
      state.step(c);
      continue;
    }
    if (!have_last || state != last_state) {
      const auto [it, inserted] =
          group_of_.try_emplace(state, static_cast<std::uint32_t>(group_sizes.size()));
      if (inserted) group_sizes.push_back(0);
      last_state = state;
      last_group = it->second;
      have_last = true;
    }
    comma_groups.push_back(last_group);
    comma_offsets.push_back(i);
    ++group_sizes[last_group];
  }
  // Second pass: a counting sort by group keeps text order within a group.
  group_begin_.resize(group_sizes.size() + 1);
  for (std::size_t g = 0; g < group_sizes.size(); ++g) {
    group_begin_[g + 1] = group_begin_[g] + group_sizes[g];
  }
  std::vector<std::size_t> next(group_begin_.begin(), group_begin_.end() - 1);
  cursor_.assign(group_begin_.begin(), group_begin_.end() - 1);
  offsets_.resize(comma_offsets.size());
  for (std::size_t k = 0; k < comma_offsets.size(); ++k) {
    offsets_[next[comma_groups[k]]++] = comma_offsets[k];
  }
}

std::pair<std::size_t, std::size_t> CommaIndex::find_from(const ScanState& state,
                                                          std::size_t from) {
  const auto it = group_of_.find(state);
  if (it == group_of_.end()) return {0, 0};
  const std::size_t group = it->second;
  const std::size_t begin = group_begin_[group];
  const std::size_t end = group_begin_[group + 1];
  std::size_t& cursor = cursor_[group];
  // Gallop forward from the cursor; search the part before it otherwise.
  cursor = (cursor > begin && offsets_[cursor - 1] >= from) ? lower_bound(begin, cursor, from)
                                                            : gallop(cursor, end, from);
  return {cursor, end};
}

std::span<const std::size_t> CommaIndex::commas(const ScanState& state, std::size_t from,
                                                std::size_t to) {
  const auto [first, end] = find_from(state, from);
  const std::size_t last = gallop(first, end, to);
  return {offsets_.data() + first, offsets_.data() + last};
}

std::optional<std::size_t> CommaIndex::first_comma(const ScanState& state, std::size_t from,
                                                   std::size_t to) {
  const auto [first, end] = find_from(state, from);
  if (first == end || offsets_[first] >= to) return std::nullopt;
  return offsets_[first];
}

std::size_t CommaIndex::lower_bound(std::size_t begin, std::size_t end, std::size_t offset) const {
  const auto data = offsets_.begin();
  return static_cast<std::size_t>(std::lower_bound(data + static_cast<std::ptrdiff_t>(begin),
                                                   data + static_cast<std::ptrdiff_t>(end),
                                                   offset) -
                                  data);
}

std::size_t CommaIndex::gallop(std::size_t begin, std::size_t end, std::size_t offset) const {
  std::size_t step = 1;
  std::size_t low = begin;
  while (low < end && offsets_[low] < offset) {
    const std::size_t high = std::min(end, low + step);
    if (high == end || offsets_[high] >= offset) return lower_bound(low, high, offset);
    low = high;
    step *= 2;
  }
  return low;
}

}  // namespace quorvane
