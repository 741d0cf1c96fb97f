// Loading a database file, from memory and from disk, against baselines that
// only find the lines of the same bytes (in memory; read whole, from disk).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/count_lines.h"
#include "core/store/database.h"
#include "core/load/load_sink.h"
#include "core/load/load_file.h"
#include "core/load/loader.h"

namespace {

// About `megabytes` of a realistic file: sections of a few thousand entries
// of every kind, with comments and blank lines; every entry line loads.
std::string make_file(std::size_t megabytes) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> number(0, 99999);
  const char* const words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot"};
  auto word = [&] { return words[number(rng) % 6]; };
  std::string out;
  char uuid[40];
  for (int section = 0; out.size() < megabytes << 20; ++section) {
    out += "# generated section\n[collection_" + std::to_string(section) + "]\n";
    for (int i = 0; i < 5000; ++i) {
      const std::string key = "user_" + std::to_string(i);
      std::snprintf(uuid, sizeof uuid, "%08x-%04x-4%03x-a%03x-%012x", number(rng),
                    number(rng) % 0x10000, i % 0x1000, section % 0x1000, number(rng));
      out += "3 " + key + "_age " + std::to_string(number(rng) % 100) + "\n";
      out += "3 " + key + "_score " + std::to_string(number(rng)) + ".25\n";
      out += "4 " + key + "_active " + (i % 3 ? "true" : "FALSE") + "\n";
      out += "2 " + key + "_name \"" + word() + " " + word() + "\"\n";
      out += "1 " + key + "_id " + uuid + "\n";
      out += "5 " + key + "_tags [" + word() + ", " + word() + ", 3]\n";
      out += "6 " + key + "_address {city: " + word() + ", zip: " +
             std::to_string(number(rng)) + ", tags: [a, b]}\n";
      if (i % 100 == 0) out += "\n";
    }
  }
  return out;
}

const std::string& file_text() {
  static const std::string text = make_file(16);
  return text;
}

// The same text in a temporary file, removed when the program ends.
struct TempFile {
  std::filesystem::path path;
  explicit TempFile(const std::string& content)
      : path(std::filesystem::temp_directory_path() /
             ("quorvane-load-bench-" + std::to_string(::getpid()) + ".mdb")) {
    std::ofstream(path, std::ios::binary) << content;
  }
  ~TempFile() { std::filesystem::remove(path); }
};

const std::string& file_path() {
  static const TempFile file(file_text());
  static const std::string path = file.path.string();
  return path;
}

void BM_LoadText(benchmark::State& state) {
  const std::string& text = file_text();
  for (auto _ : state) {
    quorvane::StdoutSink sink;
    auto db = quorvane::load_database("bench.mdb", text, sink);
    if (!db) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(db);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_BaselineCountLinesText(benchmark::State& state) {
  const std::string& text = file_text();
  for (auto _ : state) benchmark::DoNotOptimize(count_lines(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_LoadFile(benchmark::State& state) {
  const std::string& path = file_path();
  for (auto _ : state) {
    auto db = quorvane::load_database_file(path);
    if (!db) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(db);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file_text().size()));
}

void BM_BaselineReadCountLinesFile(benchmark::State& state) {
  const std::string& path = file_path();
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string buffer(file_text().size(), '\0');
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(count_lines(std::string_view(buffer).substr(0, got)));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file_text().size()));
}

BENCHMARK(BM_LoadText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineCountLinesText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineReadCountLinesFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
