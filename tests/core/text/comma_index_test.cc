#include "core/text/comma_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quorvane {
namespace {

ScanState state_of(int brackets, int braces, bool quoted) {
  ScanState s;
  s.brackets = brackets;
  s.braces = braces;
  s.quoted = quoted;
  return s;
}

std::vector<std::size_t> listed(std::span<const std::size_t> commas) {
  return {commas.begin(), commas.end()};
}

TEST(CommaIndex, GroupsCommasByQuoteFlagAndDepths) {
  //                        0123456789012345678
  CommaIndex index(std::string_view("a,[b,{c,\"d,]e,}f,\""));
  EXPECT_EQ(listed(index.commas(state_of(0, 0, false), 0, 18)), (std::vector<std::size_t>{1}));
  EXPECT_EQ(listed(index.commas(state_of(1, 0, false), 0, 18)), (std::vector<std::size_t>{4}));
  EXPECT_EQ(listed(index.commas(state_of(1, 1, false), 0, 18)), (std::vector<std::size_t>{7}));
  EXPECT_EQ(listed(index.commas(state_of(1, 1, true), 0, 18)), (std::vector<std::size_t>{10}));
  EXPECT_EQ(listed(index.commas(state_of(0, 1, true), 0, 18)), (std::vector<std::size_t>{13}));
  EXPECT_EQ(listed(index.commas(state_of(0, 0, true), 0, 18)), (std::vector<std::size_t>{16}));
  EXPECT_EQ(index.first_comma(state_of(0, 0, false), 2, 18), std::nullopt);
  EXPECT_EQ(index.first_comma(state_of(1, 0, false), 0, 4), std::nullopt);
  EXPECT_EQ(index.first_comma(state_of(1, 0, false), 0, 5), 4u);
  EXPECT_EQ(index.first_comma(state_of(5, 0, false), 0, 18), std::nullopt);
}

// Lookups in any order agree with a plain scan.
TEST(CommaIndex, AnswersQueriesInAnyOrder) {
  std::mt19937_64 rng(3);
  const std::string alphabet = ",,,[]{}\"a";
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (std::size_t n = rng() % 200; n > 0; --n) text += alphabet[rng() % alphabet.size()];
    std::vector<std::pair<ScanState, std::size_t>> commas;  // state and offset, in text order
    ScanState state;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == ',') commas.emplace_back(state, i);
      state.step(text[i]);
    }
    CommaIndex index(text);
    for (int query = 0; query < 100; ++query) {
      const ScanState asked = commas.empty() || rng() % 8 == 0
                                  ? state_of(static_cast<int>(rng() % 3), 0, false)
                                  : commas[rng() % commas.size()].first;
      std::size_t from = rng() % (text.size() + 1);
      std::size_t to = rng() % (text.size() + 1);
      if (from > to) std::swap(from, to);
      std::vector<std::size_t> expected;
      for (const auto& [s, offset] : commas) {
        if (s == asked && offset >= from && offset < to) expected.push_back(offset);
      }
      ASSERT_EQ(listed(index.commas(asked, from, to)), expected) << text;
      const std::optional<std::size_t> first =
          expected.empty() ? std::nullopt : std::optional<std::size_t>(expected.front());
      ASSERT_EQ(index.first_comma(asked, from, to), first) << text;
    }
  }
}

}  // namespace
}  // namespace quorvane
