// Value text parsing. Numbers against glibc's strtof on the same texts (the
// time of parse_number includes its syntax check); arrays and documents
// against a plain split at every comma that copies each piece into a string.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/text/number_parser.h"
#include "core/text/value_parser.h"

namespace {

using quorvane::parse_number;
using quorvane::parse_value;

// 0: short decimals, 1: floats printed with 9 digits, 2: 20 to 40 digit mantissas.
std::vector<std::string> number_texts(std::int64_t kind) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::vector<std::string> texts;
  char buffer[64];
  for (int i = 0; i < 4096; ++i) {
    if (kind == 0) {
      std::snprintf(buffer, sizeof buffer, "%.2f", unit(rng) * 1000);
    } else if (kind == 1) {
      std::snprintf(buffer, sizeof buffer, "%.9g",
                    unit(rng) * std::pow(10.0, static_cast<int>(rng() % 60) - 30));
    } else {
      std::string digits = "0.";
      for (std::size_t n = 20 + rng() % 21; n > 0; --n)
        digits += static_cast<char>('0' + rng() % 10);
      std::snprintf(buffer, sizeof buffer, "%se%d", digits.c_str(),
                    static_cast<int>(rng() % 70) - 35);
    }
    texts.emplace_back(buffer);
  }
  return texts;
}

std::int64_t total_size(const std::vector<std::string>& texts) {
  std::int64_t bytes = 0;
  for (const auto& t : texts) bytes += static_cast<std::int64_t>(t.size());
  return bytes;
}

void BM_ParseNumbers(benchmark::State& state) {
  const auto texts = number_texts(state.range(0));
  for (auto _ : state) {
    for (const auto& t : texts) benchmark::DoNotOptimize(parse_number(t));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * total_size(texts));
}

void BM_BaselineStrtofNumbers(benchmark::State& state) {
  const auto texts = number_texts(state.range(0));
  for (auto _ : state) {
    for (const auto& t : texts) benchmark::DoNotOptimize(std::strtof(t.c_str(), nullptr));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * total_size(texts));
}

// 0: numbers, 1: texts, booleans and UUIDs, 2: small documents.
std::string container_text(std::int64_t kind, bool document) {
  std::mt19937_64 rng(7);
  std::string out = document ? "{" : "[";
  for (int i = 0; i < 2000; ++i) {
    if (i > 0) out += ", ";
    if (document) out += "key" + std::to_string(i) + ": ";
    switch (kind) {
      case 0:
        out += std::to_string(static_cast<int>(rng() % 100000) - 50000) + ".25";
        break;
      case 1:
        out += i % 3 == 0   ? "\"a name, quoted\""
               : i % 3 == 1 ? "TRUE"
                            : "550e8400-e29b-41d4-a716-446655440000";
        break;
      default:
        out += "{name: user" + std::to_string(i) + ", age: 36, tags: [a, b]}";
        break;
    }
  }
  return out + (document ? "}" : "]");
}

void parse_container(benchmark::State& state, bool document) {
  const std::string text = container_text(state.range(0), document);
  const quorvane::TypeCode code = document ? quorvane::kDocumentCode : quorvane::kArrayCode;
  for (auto _ : state) benchmark::DoNotOptimize(parse_value(code, text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void split_container(benchmark::State& state, bool document) {
  const std::string text = container_text(state.range(0), document);
  for (auto _ : state) {
    std::vector<std::string> pieces;
    std::size_t start = 1;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos;
         start = comma + 1) {
      pieces.emplace_back(text, start, comma - start);
    }
    pieces.emplace_back(text, start, text.size() - 1 - start);
    benchmark::DoNotOptimize(pieces);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ParseArrays(benchmark::State& state) {
  parse_container(state, false);
}
void BM_BaselineSplitArrays(benchmark::State& state) {
  split_container(state, false);
}
void BM_ParseDocuments(benchmark::State& state) {
  parse_container(state, true);
}
void BM_BaselineSplitDocuments(benchmark::State& state) {
  split_container(state, true);
}

// A million levels of brackets: rejected as too deep without rescanning.
void BM_RejectTooDeep(benchmark::State& state) {
  const std::string text = std::string(1000000, '[') + std::string(1000000, ']');
  for (auto _ : state) benchmark::DoNotOptimize(parse_value(quorvane::kArrayCode, text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_ParseNumbers)->DenseRange(0, 2);
BENCHMARK(BM_BaselineStrtofNumbers)->DenseRange(0, 2);
BENCHMARK(BM_ParseArrays)->DenseRange(0, 2);
BENCHMARK(BM_BaselineSplitArrays)->DenseRange(0, 2);
BENCHMARK(BM_ParseDocuments)->DenseRange(0, 2);
BENCHMARK(BM_BaselineSplitDocuments)->DenseRange(0, 2);
BENCHMARK(BM_RejectTooDeep);

}  // namespace

BENCHMARK_MAIN();
