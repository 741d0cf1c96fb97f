#include "core/load/parallel_loader.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
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
// A load is cut into this many parts a thread (of kSmallestPartBytes or
// more), which the threads take in turn as they finish the one before.
constexpr std::size_t kPartsPerThread = 16;

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
  template <class Queue>
  bool start(Queue& queue, ValueRegion& region) {
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

// Parts handed from the thread that reads the file to the threads that load
// it, as soon as each is read whole. `parts` never grows past the room it is
// made with, so a part stays where it is while later ones are added.
class PartStream {
 public:
  explicit PartStream(std::size_t most) { parts_.reserve(most); }

  // Adds the part text.substr(offset). REQUIRES: fewer than `most` so far.
  void publish(std::string_view text, std::size_t offset) {
    {
      const std::lock_guard lock(mutex_);
      Part& part = parts_.emplace_back();  // within the room: no allocation
      part.text = text;
      part.offset = offset;
    }
    ready_.notify_one();
  }
  // No part comes any more; the loading threads stop once none is left.
  void finish() {
    {
      const std::lock_guard lock(mutex_);
      finished_ = true;
    }
    ready_.notify_all();
  }
  // Loads parts as they come, until the stream is finished and none is left.
  void drain(ValueRegion& region) noexcept {
    for (;;) {
      Part* part;
      {
        std::unique_lock lock(mutex_);
        // A timed wait: plain wait() is a libstdc++ symbol newer than the
        // C++ runtime of the oldest systems the wheels support; this one is
        // inline over pthread_cond_clockwait.
        while (next_ == parts_.size() && !finished_) ready_.wait_for(lock, std::chrono::hours(1));
        if (next_ == parts_.size()) return;
        part = &parts_[next_++];
      }
      load_part(*part, region);
    }
  }
  // Every part. REQUIRES: every thread that drained is done.
  std::vector<Part>& parts() { return parts_; }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<Part> parts_;
  std::size_t next_ = 0;  // the first part not taken yet
  bool finished_ = false;
};

// Finishes the stream on every way out of the reading, before the loading
// threads are joined: none waits for a part that will never come.
class StreamFinisher {
 public:
  explicit StreamFinisher(PartStream& stream) : stream_(stream) {}
  StreamFinisher(const StreamFinisher&) = delete;
  StreamFinisher& operator=(const StreamFinisher&) = delete;
  ~StreamFinisher() { stream_.finish(); }

 private:
  PartStream& stream_;
};

// Cuts a text into parts, also while it grows as it is read: part k (from 1)
// starts at the first header line at or after max(k * share, the start of
// part k - 1 + minimum), and there are `most` parts at most. A cut is made
// only at a header line read whole; the last part takes whatever is left.
class PartCutter {
 public:
  PartCutter(std::size_t share, std::size_t minimum, std::size_t most)
      : share_(share), minimum_(std::max<std::size_t>(minimum, 1)), most_(most) {
    target_ = std::max(share_, minimum_);
  }

  // Calls cut(start, end) for each part that `text`, the bytes read so far,
  // completes; `whole` says that the text is all there is, so that a last
  // line without a line feed counts as read whole.
  template <class Cut>
  void advance(std::string_view text, bool whole, Cut&& cut) {
    // Only the bytes new since the last call are searched for a line feed.
    const std::size_t feed = text.substr(searched_).rfind('\n');
    if (feed != std::string_view::npos) lines_end_ = searched_ + feed + 1;
    searched_ = text.size();
    if (whole) lines_end_ = text.size();
    const std::string_view lines = text.substr(0, lines_end_);  // whole lines only
    while (cuts_ + 1 < most_) {
      if (scan_ < target_) {
        // The first line that starts at or after the target.
        if (target_ > lines.size()) return;
        const std::size_t feed = lines.find('\n', target_ - 1);
        if (feed == std::string_view::npos) return;
        scan_ = feed + 1;
      }
      while (true) {
        if (scan_ >= lines.size()) return;  // the next line is not read whole yet
        std::size_t pos = scan_;
        if (header_name(trim_whitespace(next_line(lines, pos)))) break;
        scan_ = pos;
      }
      cut(start_, scan_);
      start_ = scan_;
      ++cuts_;
      target_ = std::max(share_ * (cuts_ + 1), start_ + minimum_);
    }
  }
  // Where the last part starts, once every other has been cut.
  std::size_t last_start() const { return start_; }

 private:
  std::size_t share_;
  std::size_t minimum_;
  std::size_t most_;     // parts in all, at most
  std::size_t cuts_ = 0;
  std::size_t start_ = 0;   // of the part not published yet
  std::size_t target_;      // the next cut goes at the first header at or after it
  std::size_t scan_ = 0;    // the start of the next line to look at
  std::size_t searched_ = 0;   // bytes searched for line feeds
  std::size_t lines_end_ = 0;  // the end of the last line read whole
};

// The database that loaded `parts` make, in file order, as load_database on
// one thread would have made it; their messages go to `sink`, in order.
std::expected<Database, Error> join_parts(std::string_view path, std::vector<Part>& parts,
                                          std::vector<ValueRegion>& regions, StdoutSink& sink) {
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

}  // namespace

std::vector<std::size_t> part_starts(std::string_view text, std::size_t parts,
                                     std::size_t minimum) {
  std::vector<std::size_t> starts{0};
  if (parts < 2) return starts;
  PartCutter cutter(text.size() / parts, minimum, parts);
  cutter.advance(text, true, [&](std::size_t, std::size_t end) { starts.push_back(end); });
  // The last part too is `minimum` bytes or more.
  while (starts.size() > 1 && text.size() - starts.back() < std::max<std::size_t>(minimum, 1)) {
    starts.pop_back();
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
  return join_parts(path, parts, regions, sink);
}

std::expected<Database, Error> load_file_in_parts(std::string_view path, ReadableFile& file,
                                                  StdoutSink& sink, bool (*keep_reading)(),
                                                  std::size_t threads, std::size_t minimum_part,
                                                  std::size_t chunk) {
  std::size_t capacity = first_read_capacity(file);
  auto data = std::make_unique_for_overwrite<char[]>(capacity);
  const std::size_t stated = file.stated_size();
  const std::size_t wanted =
      std::min(stated / std::max<std::size_t>(minimum_part, 1), threads * kPartsPerThread);
  std::size_t size = 0;
  if (threads >= 2 && wanted >= 2) {
    std::optional<Error> failed;
    bool grew = false;  // past its stated size: loaded afresh once read whole
    {
      // One region for each thread, declared before `stream`: on any way
      // out, the values go before the regions.
      std::vector<ValueRegion> regions(threads);
      PartStream stream(wanted);
      {
        Workers workers;  // declared after `stream`: joined before it goes
        const StreamFinisher finisher(stream);  // and finished before that
        for (std::size_t t = 1; t < regions.size() && workers.start(stream, regions[t]); ++t) {
        }
        PartCutter cutter(stated / wanted, minimum_part, wanted);
        for (;;) {
          if (size == capacity) {
            grew = true;
            break;
          }
          const std::optional<ReadableFile::Chunk> got =
              file.read(data.get() + size, std::min(capacity - size, chunk));
          if (!got) {
            failed = Error::kErrorReadingFile;
            break;
          }
          if (ReadableFile::at_end(*got)) break;
          size += got->bytes;
          if (keep_reading && !keep_reading()) {
            failed = Error::kReadInterrupted;
            break;
          }
          const std::string_view text(data.get(), size);
          cutter.advance(text, false, [&](std::size_t start, std::size_t end) {
            stream.publish(text.substr(start, end - start), start);
          });
        }
        if (!failed && !grew) {
          const std::string_view text(data.get(), size);
          stream.publish(text.substr(cutter.last_start()), cutter.last_start());
          stream.finish();
          stream.drain(regions[0]);
        }
      }
      if (failed) return std::unexpected(*failed);
      if (!grew) return join_parts(path, stream.parts(), regions, sink);
    }
  }
  std::expected<FileContents, Error> contents =
      read_rest(file, std::move(data), capacity, size, keep_reading);
  if (!contents) return std::unexpected(contents.error());
  const std::string_view text = contents->text();
  return load_database_in_parts(path, text, sink, threads, minimum_part);
}

}  // namespace quorvane
