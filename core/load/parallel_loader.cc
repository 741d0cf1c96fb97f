#include "core/load/parallel_loader.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include <pthread.h>
#include <sched.h>
#include <signal.h>

#include "core/load/loader.h"
#include "core/value/value_region.h"

namespace quorvane {
namespace {

constexpr std::size_t kMaximumThreads = 8;
// A load is cut into this many parts a thread (of kMinimumPartBytes or more),
// which the threads take in turn as they finish the one before.
constexpr std::size_t kPartsPerThread = 8;

// The sink of a part: keeps the messages that StdoutSink would print, one
// byte each, to be printed once every part has been loaded. Line numbers are
// dropped, so a part may number its lines from 1. The other hooks do nothing.
class DeferredMessages : public SilentSink {
 public:
  void bad_type_code(std::size_t, std::string_view, TypeCodeError error) {
    codes_.push_back(static_cast<std::uint8_t>(error));
  }
  void unresolved_value(std::size_t, std::string_view, TypeCode, ParseFailure) {
    codes_.push_back(kUnresolved);
  }

  // Hands the kept messages to `sink` in their order. StdoutSink prints a
  // fixed text for each hook, whatever its other arguments.
  void replay(StdoutSink& sink) const {
    for (const std::uint8_t code : codes_) {
      if (code == kUnresolved) {
        sink.unresolved_value(0, {}, 0, ParseFailure::kSyntax);
      } else {
        sink.bad_type_code(0, {}, static_cast<TypeCodeError>(code));
      }
    }
  }

 private:
  static constexpr std::uint8_t kUnresolved = 0xFF;
  std::vector<std::uint8_t> codes_;
};
static_assert(LoadSink<DeferredMessages>);

struct Part {
  std::string_view text;
  std::size_t offset = 0;  // of `text` in the whole text
  std::vector<Collection> collections;
  DeferredMessages messages;
  std::optional<std::size_t> invalid_utf8;  // offset in the whole text
  bool entry_before_header = false;         // possible in the first part only
  std::exception_ptr failure;               // what loading the part threw
};

// Checks and loads one part, its value blocks made in `region`. Its UTF-8
// check covers its own bytes only: the parts are cut after line feeds, which
// no multi-byte sequence holds.
void load_part(Part& part, ValueRegion& region) noexcept {
  try {
    // The thread's exception state is made on first use, with malloc: make
    // it now, so that running out of memory later can still be reported.
    static_cast<void>(std::uncaught_exceptions());
    if (const std::optional<std::size_t> bad = find_invalid_utf8(part.text)) {
      part.invalid_utf8 = part.offset + *bad;
      return;
    }
    const ValueRegionScope scope(region);
    part.entry_before_header = !load_lines(part.text, 1, part.collections, part.messages);
  } catch (...) {
    part.failure = std::current_exception();
  }
}

// The parts not yet taken, handed out in file order to whichever thread asks
// first, so that a thread that runs slower (a busy processor) takes fewer.
class PartQueue {
 public:
  explicit PartQueue(std::vector<Part>& parts) : parts_(parts) {}
  // Loads parts until none is left, with value blocks made in `region`.
  void drain(ValueRegion& region) noexcept {
    for (std::size_t k = next_++; k < parts_.size(); k = next_++) load_part(parts_[k], region);
  }

 private:
  std::vector<Part>& parts_;
  std::atomic<std::size_t> next_{0};
};

// Joins the started threads on every way out of the load.
class Workers {
 public:
  ~Workers() {
    for (std::thread& thread : threads_) thread.join();
  }
  // Starts queue.drain(region) on a new thread; false when no thread can be
  // had. Signals are blocked in the new thread, so that they are delivered to
  // the threads the program made, as when loading on one thread.
  bool start(PartQueue& queue, ValueRegion& region) {
    sigset_t all, before;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &before);
    bool started = true;
    try {
      threads_.emplace_back([&queue, &region] { queue.drain(region); });
    } catch (const std::system_error&) {
      started = false;
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return started;
  }
  std::size_t size() const { return threads_.size(); }

 private:
  std::vector<std::thread> threads_;
};

// The start of the first header line at or after `from`, or text.size().
std::size_t next_header(std::string_view text, std::size_t from) {
  std::size_t pos = 0;
  if (from > 0) {
    // The line feed that ends the line holding byte from - 1.
    const std::size_t feed = text.find('\n', from - 1);
    if (feed == std::string_view::npos) return text.size();
    pos = feed + 1;
  }
  while (pos < text.size()) {
    const std::size_t line_start = pos;
    if (header_name(trim_whitespace(next_line(text, pos)))) return line_start;
  }
  return text.size();
}

}  // namespace

std::vector<std::size_t> part_starts(std::string_view text, std::size_t parts,
                                     std::size_t minimum) {
  minimum = std::max<std::size_t>(minimum, 1);  // no empty part
  std::vector<std::size_t> starts{0};
  for (std::size_t k = 1; k < parts; ++k) {
    const std::size_t share = std::max(text.size() / parts * k, starts.back() + minimum);
    const std::size_t start = next_header(text, share);
    if (start >= text.size() || text.size() - start < minimum) break;
    starts.push_back(start);
  }
  return starts;
}

std::size_t load_threads(std::size_t size) {
  cpu_set_t cpus;
  std::size_t processors = 1;
  if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) {
    processors = static_cast<std::size_t>(CPU_COUNT(&cpus));
  }
  return std::clamp<std::size_t>(std::min(processors, size / kMinimumPartBytes), 1,
                                 kMaximumThreads);
}

std::expected<Database, Error> load_database_in_parts(std::string_view path,
                                                      std::string_view text, StdoutSink& sink,
                                                      std::size_t threads,
                                                      std::size_t minimum_part) {
  const std::size_t wanted = std::min(text.size() / std::max<std::size_t>(minimum_part, 1),
                                      threads * kPartsPerThread);
  const std::vector<std::size_t> starts = part_starts(text, wanted, minimum_part);
  if (starts.size() < 2 || threads < 2) return load_database(path, text, sink);
  // One region for each thread, declared before `parts`: on any way out, the
  // values go before the regions.
  std::vector<ValueRegion> regions(std::min(threads, starts.size()));
  std::vector<Part> parts(starts.size());
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
    parts[k].text = text.substr(starts[k], end - starts[k]);
    parts[k].offset = starts[k];
  }
  {
    PartQueue queue(parts);
    Workers workers;  // declared after `queue`: joined before it goes
    for (std::size_t t = 1; t < regions.size() && workers.start(queue, regions[t]); ++t) {
    }
    queue.drain(regions[0]);
  }
  // As on one thread: invalid UTF-8 anywhere fails the load before any line
  // is handled, so nothing is printed; then the first part may have failed.
  for (const Part& part : parts) {
    if (part.invalid_utf8) {
      sink.invalid_utf8(*part.invalid_utf8);
      return std::unexpected(Error::kErrorReadingFile);
    }
  }
  if (parts[0].entry_before_header) return std::unexpected(Error::kErrorReadingFile);
  std::size_t total = 0;
  for (const Part& part : parts) {
    if (part.failure) std::rethrow_exception(part.failure);
    total += part.collections.size();
  }
  // Declared after `parts`: on any way out, the values go before the regions.
  std::vector<Collection> collections;
  collections.reserve(total);
  for (Part& part : parts) {
    part.messages.replay(sink);
    std::move(part.collections.begin(), part.collections.end(), std::back_inserter(collections));
  }
  Database database(std::string(path), std::move(collections));
  for (ValueRegion& region : regions) {
    if (region.mapped_bytes() == 0) continue;
    region.trim();
    database.keep_region(std::move(region));
  }
  return database;
}

}  // namespace quorvane
