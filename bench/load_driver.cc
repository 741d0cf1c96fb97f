// Loads one database file from memory several times and prints the best
// load speed against a floor measured in the same run: reading the file whole
// and counting its lines. Nothing is printed for rejected lines. The time of
// destroying the loaded database is not part of the load's; it is shown on a
// line of its own (the best over the runs). Meant for profiling too:
//   perf record -g build/bench/bench/load_driver bench/data/load_64mb.mdb
// Times are this thread's CPU time, which a busy machine disturbs less than
// wall time does.
// Usage: load_driver FILE [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>

#include "bench/count_lines.h"
#include "core/load/load_sink.h"
#include "core/load/load_file.h"
#include "core/load/loader.h"
#include "core/load/parallel_loader.h"

namespace {

double cpu_seconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Times {
  double load = 1e300;
  double destroy = 1e300;
};

// Best times of one load and of destroying its database over `runs`; nothing
// for a failed load. With one run (for profiles) the database is never
// destroyed.
std::optional<Times> best_load(std::string_view text, int runs) {
  using Loaded = std::expected<quorvane::Database, quorvane::Error>;
  Times best;
  for (int i = 0; i < runs; ++i) {
    quorvane::SilentSink sink;
    const double start = cpu_seconds();
    auto* db = new Loaded(quorvane::load_database("bench.mdb", text, sink));
    const double loaded_at = cpu_seconds();
    best.load = std::min(best.load, loaded_at - start);
    if (!db->has_value()) return std::nullopt;
    if (runs > 1) {
      delete db;
      best.destroy = std::min(best.destroy, cpu_seconds() - loaded_at);
    }
  }
  return best;
}

double best_floor(const char* path, int runs) {
  double best = 1e300;
  std::size_t lines = 0;
  for (int i = 0; i < runs; ++i) {
    const double start = cpu_seconds();
    const auto contents = quorvane::read_whole_file(path);
    if (contents) lines += count_lines(contents->text());
    best = std::min(best, cpu_seconds() - start);
  }
  if (lines == 0) std::puts("(no lines)");
  return best;
}

double wall_seconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Best wall time of the module's whole load of the file (reading included),
// which shares a large file among threads.
double best_file_load(const char* path, int runs) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const double start = wall_seconds();
    auto* db = new auto(quorvane::load_database_file(path));
    best = std::min(best, wall_seconds() - start);
    if (runs > 1) delete db;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const auto contents = quorvane::read_whole_file(argv[1]);
  if (!contents) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string_view text = contents->text();
  const double megabytes = static_cast<double>(text.size()) / 1e6;
  const std::optional<Times> times = best_load(text, runs);
  if (!times) {
    std::fprintf(stderr, "load failed\n");
    return 1;
  }
  const double floor = best_floor(argv[1], runs * 2);
  const double load = times->load;
  std::printf("load:        %8.1f ms %8.1f MB/s\n", load * 1e3, megabytes / load);
  std::printf("read+count:  %8.1f ms %8.1f MB/s\n", floor * 1e3, megabytes / floor);
  std::printf("load speed: %.3fx the floor\n", floor / load);
  if (runs > 1) std::printf("destroy:     %8.1f ms\n", times->destroy * 1e3);
  const double file_load = best_file_load(argv[1], runs);
  std::printf("file load:   %8.1f ms wall, %zu threads\n", file_load * 1e3,
              quorvane::load_threads(text.size()));
  return 0;
}
