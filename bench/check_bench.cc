// What quorvane-check's diagnostics cost: loading the same text with the
// checker's sink against the module's own sink (the baseline). Argument 0 is
// a file in which every line loads; argument 1 has a silently skipped line
// (wrong field count) or a repeated key every 100 lines, which the checker
// explains and the module passes over without a word.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "checker/file_check.h"
#include "core/load/loader.h"

namespace {

std::string make_file(bool with_mistakes) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> number(0, 99999);
  std::string out;
  for (int section = 0; out.size() < (8u << 20); ++section) {
    out += "[collection_" + std::to_string(section) + "]\n";
    for (int i = 0; i < 5000; ++i) {
      const std::string key = "user_" + std::to_string(i);
      out += "3 " + key + "_age " + std::to_string(number(rng) % 100) + "\n";
      out += "2 " + key + "_name \"name " + std::to_string(number(rng)) + "\"\n";
      out += "5 " + key + "_tags [a, b, " + std::to_string(number(rng)) + "]\n";
      out += "6 " + key + "_address {city: c, zip: " + std::to_string(number(rng)) + "}\n";
      if (with_mistakes && i % 25 == 0) {
        out += i % 50 == 0 ? "2 note two words\n" : "3 " + key + "_age 1\n";
      }
    }
  }
  return out;
}

const std::string& file_text(bool with_mistakes) {
  static const std::string clean = make_file(false);
  static const std::string mistaken = make_file(true);
  return with_mistakes ? mistaken : clean;
}

void BM_BaselineModuleLoad(benchmark::State& state) {
  const std::string& text = file_text(state.range(0) != 0);
  for (auto _ : state) {
    quorvane::StdoutSink sink;
    auto db = quorvane::load_database("bench.mdb", text, sink);
    if (!db) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(db);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_CheckerLoad(benchmark::State& state) {
  const std::string& text = file_text(state.range(0) != 0);
  for (auto _ : state) {
    quorvane::check::FileCheck check = quorvane::check::check_text("bench.mdb", text);
    if (!check.database) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(check);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_BaselineModuleLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckerLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
