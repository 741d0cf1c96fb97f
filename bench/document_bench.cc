// Document lookups against std::unordered_map with std::hash on the same keys.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "core/value/document.h"

namespace {

std::vector<std::string> make_keys(std::size_t n) {
  std::vector<std::string> keys;
  keys.reserve(n);
  for (std::size_t i = 0; i < n; ++i) keys.push_back("user_" + std::to_string(i * 7919));
  return keys;
}

void BM_DocumentFind(benchmark::State& state) {
  const auto keys = make_keys(static_cast<std::size_t>(state.range(0)));
  quorvane::Document doc;
  for (const auto& k : keys) doc.insert_or_assign(k, quorvane::DataType::number(1));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(doc.find(keys[i]));
    if (++i == keys.size()) i = 0;
  }
}

void BM_BaselineUnorderedMapFind(benchmark::State& state) {
  const auto keys = make_keys(static_cast<std::size_t>(state.range(0)));
  std::unordered_map<std::string, float> map;
  for (const auto& k : keys) map.emplace(k, 1.0f);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(map.find(keys[i]));
    if (++i == keys.size()) i = 0;
  }
}

BENCHMARK(BM_DocumentFind)->Arg(4)->Arg(100000);
BENCHMARK(BM_BaselineUnorderedMapFind)->Arg(4)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
