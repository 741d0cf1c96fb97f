#include "core/load/parallel_loader.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <cstdint>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cxxabi.h>

#include "core/load/file_reader.h"
#include "core/load/loader.h"
#include "core/platform/processors.h"
#include "core/value/value_region.h"

namespace quorvane {
namespace {

constexpr std::size_t kMaximumThreads = 8;
// A load is cut into this many parts a thread (of kSmallestPartBytes or
// more), which the threads take in turn as they finish the one before.
constexpr std::size_t kPartsPerThread = 16;
// How often the calling thread polls the load's LoadStop while it waits for
// the other threads to finish their last parts.
constexpr std::chrono::milliseconds kWaitPoll{10};

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

  // Hands the kept messages to `sink` in their order, then forgets them.
  // StdoutSink prints a fixed text for each hook, whatever its other
  // arguments.
  void replay(StdoutSink& sink) {
    for (const std::uint8_t code : codes_) {
      if (code == kUnresolved) {
        sink.unresolved_value(0, {}, 0, ParseFailure::kSyntax);
      } else {
        sink.bad_type_code(0, {}, static_cast<TypeCodeError>(code));
      }
    }
    codes_ = {};
  }

 private:
  static constexpr std::uint8_t kUnresolved = 0xFF;
  std::vector<std::uint8_t> codes_;
};
static_assert(LoadSink<DeferredMessages>);

struct Part {
  std::string_view text;
  std::vector<Collection> collections;
  DeferredMessages messages;
  bool entry_before_header = false;  // possible in the first part only
  std::exception_ptr failure;        // what loading the part threw
  bool done = false;                 // loaded (or failed); under PartStream's mutex
};

// Loads one part, its value blocks made in `region`, unless the load is to
// stop. REQUIRES: its text is valid UTF-8 (checked when the part is
// published). Lets through only
// the forced unwind of a thread ended in the calling thread's hook
// (LoadStop::poll); keeps any other exception in the part.
void load_part(Part& part, ValueRegion& region, LoadStop& stop) {
  if (stop.poll()) return;
  try {
    // The thread's exception state is made on first use, with malloc: make
    // it now, so that running out of memory later can still be reported.
    static_cast<void>(std::uncaught_exceptions());
    const ValueRegionScope scope(region);
    const std::expected<void, Error> loaded =
        load_lines(part.text, 1, part.collections, part.messages, &stop);
    part.entry_before_header = !loaded && loaded.error() == Error::kErrorReadingFile;
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    part.failure = std::current_exception();
  }
}

// Blocks every signal in the calling thread while alive, so that threads
// started meanwhile are born with them blocked, and restores the mask it
// found on every way out.
class SignalsBlocked {
 public:
  SignalsBlocked() noexcept {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &before_);
  }
  SignalsBlocked(const SignalsBlocked&) = delete;
  SignalsBlocked& operator=(const SignalsBlocked&) = delete;
  ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

 private:
  sigset_t before_;
};

// The load's own threads, joined on every way out of the load.
class Workers {
 public:
  ~Workers() {
    for (std::thread& thread : threads_) thread.join();
  }
  // Starts source.drain(region, stop) on a new thread; false when no thread
  // can be had. Signals are blocked in the new thread, so that they are
  // delivered to the threads the program made, as when loading on one thread.
  template <class Source>
  bool start(Source& source, ValueRegion& region, LoadStop& stop) {
    const SignalsBlocked blocked;
    try {
      threads_.emplace_back([this, &source, &region, &stop] {
        source.drain(region, stop);
        {
          const std::lock_guard lock(mutex_);
          ++finished_;
        }
        done_.notify_one();
      });
    } catch (const std::system_error&) {
      return false;
    }
    return true;
  }
  // Waits until every thread started has drained its source, polling `stop`
  // meanwhile. Returns at once in a child forked inside the poll, which has
  // none of these threads (and whose copy of the mutex may be held).
  void wait(LoadStop& stop) {
    std::unique_lock lock(mutex_);
    while (!done_.wait_for(lock, kWaitPoll, [&] { return finished_ == threads_.size(); })) {
      lock.unlock();
      stop.poll();
      if (stop.forked()) return;
      lock.lock();
    }
  }

 private:
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable done_;
  std::size_t finished_ = 0;  // threads done draining
};

// Parts handed from the thread that reads the file to the threads that load
// it, as soon as each is read whole, in file order to whichever thread asks
// first, so that a thread that runs slower (a busy processor) takes fewer.
// `parts` never grows past the room it is made with, so a part stays where
// it is while later ones are added.
class PartStream {
 public:
  explicit PartStream(std::size_t most) { parts_.reserve(most); }

  // Adds a part of the text. REQUIRES: fewer than `most` so far.
  void publish(std::string_view text) {
    {
      const std::lock_guard lock(mutex_);
      Part& part = parts_.emplace_back();  // within the room: no allocation
      part.text = text;
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
  // Loads the next part once it comes; false once the stream is finished
  // and no part is left, or the load is to stop.
  bool load_next(ValueRegion& region, LoadStop& stop) {
    // A child forked during the load must not take the mutex: the threads
    // that it lost may have held it.
    if (stop.requested()) return false;
    Part* part;
    {
      std::unique_lock lock(mutex_);
      // A timed wait: plain wait() is a libstdc++ symbol newer than the C++
      // runtime of the oldest systems the wheels support; this one is inline
      // over pthread_cond_clockwait.
      while (next_ == parts_.size() && !finished_) ready_.wait_for(lock, std::chrono::hours(1));
      if (next_ == parts_.size()) return false;
      part = &parts_[next_++];
    }
    load_part(*part, region, stop);
    if (stop.requested()) return false;
    const std::lock_guard lock(mutex_);
    part->done = true;
    return true;
  }
  // Loads parts as they come, until the stream is finished and none is left
  // or the load is to stop.
  void drain(ValueRegion& region, LoadStop& stop) {
    while (load_next(region, stop)) {
    }
  }
  // Prints the kept messages of the parts loaded so far, in file order, up to
  // the first part not loaded yet (or failed), and forgets them, so that they
  // are not all held until the end. Nothing once the first part has an entry
  // line ahead of its header: the load fails. REQUIRES: the stream is
  // finished, so that every part of the text, valid UTF-8, is in it.
  void print_loaded(StdoutSink& sink) {
    for (;;) {
      Part* part;
      {
        const std::lock_guard lock(mutex_);
        if (printed_ == parts_.size() || !parts_[printed_].done) return;
        if (parts_[0].entry_before_header || parts_[printed_].failure) return;
        part = &parts_[printed_++];
      }
      part->messages.replay(sink);
    }
  }
  // Every part. REQUIRES: every thread that drained is done.
  std::vector<Part>& parts() { return parts_; }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<Part> parts_;
  std::size_t next_ = 0;     // the first part not taken yet
  std::size_t printed_ = 0;  // the first part whose messages are not printed yet
  bool finished_ = false;
};

// What the threads of a load share: the value regions (one a thread), the
// parts and the threads.
template <class Source>
struct Crew {
  template <class... Args>
  explicit Crew(std::size_t threads, Args&&... args)
      : regions(threads), source(std::forward<Args>(args)...) {}
  Crew(const Crew&) = delete;
  Crew& operator=(const Crew&) = delete;
  // No thread waits for a part that will never come; then they are joined.
  ~Crew() { source.finish(); }

  std::vector<ValueRegion> regions;  // declared first: the values go before them
  Source source;
  Workers workers;  // declared last: joined before the rest goes
};

// Owns a Crew on the heap. A child forked during the load leaks it instead:
// the threads it lost may have held its locks or been half-way through a part.
template <class Source>
class CrewHolder {
 public:
  template <class... Args>
  explicit CrewHolder(const LoadStop& stop, Args&&... args)
      : stop_(stop), crew_(new Crew<Source>(std::forward<Args>(args)...)) {}
  CrewHolder(const CrewHolder&) = delete;
  CrewHolder& operator=(const CrewHolder&) = delete;
  ~CrewHolder() {
    if (!stop_.forked()) delete crew_;
  }
  Crew<Source>* operator->() const { return crew_; }

 private:
  const LoadStop& stop_;
  Crew<Source>* crew_;
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

// Whether `text`, which starts at `offset` of the whole text and ends after a
// line feed or at the end, is valid UTF-8 (no multi-byte sequence holds a
// line feed). As on one thread, a load fails on invalid UTF-8 anywhere
// before any message is printed: parts are checked as they are published.
bool valid_part(std::string_view text, std::size_t offset, StdoutSink& sink) {
  if (const std::optional<std::size_t> bad = find_invalid_utf8(text)) {
    sink.invalid_utf8(offset + *bad);
    return false;
  }
  return true;
}

// The database that loaded `parts` make, in file order, as load_database on
// one thread would have made it; the messages not printed yet go to `sink`,
// in order.
std::expected<Database, Error> join_parts(std::string_view path, std::vector<Part>& parts,
                                          std::vector<ValueRegion>& regions, StdoutSink& sink) {
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
  const std::size_t processors = platform::usable_processors();
  return std::clamp<std::size_t>(std::min(processors, size / kMinimumPartBytes), 1,
                                 kMaximumThreads);
}

std::expected<Database, Error> load_database_in_parts(std::string_view path,
                                                      std::string_view text, StdoutSink& sink,
                                                      std::size_t threads,
                                                      std::size_t minimum_part,
                                                      LoadStop* given_stop) {
  LoadStop own_stop;
  LoadStop& stop = given_stop ? *given_stop : own_stop;
  const std::size_t wanted = std::min(text.size() / std::max<std::size_t>(minimum_part, 1),
                                      threads * kPartsPerThread);
  const std::vector<std::size_t> starts = part_starts(text, wanted, minimum_part);
  if (starts.size() < 2 || threads < 2) return load_database(path, text, sink, &stop);
  if (!valid_part(text, 0, sink)) return std::unexpected(Error::kErrorReadingFile);
  const CrewHolder<PartStream> crew(stop, std::min(threads, starts.size()), starts.size());
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
    crew->source.publish(text.substr(starts[k], end - starts[k]));
  }
  crew->source.finish();
  for (std::size_t t = 1;
       t < crew->regions.size() && crew->workers.start(crew->source, crew->regions[t], stop);
       ++t) {
  }
  // Messages are printed as the parts before them are loaded, while the
  // other threads go on.
  while (crew->source.load_next(crew->regions[0], stop)) crew->source.print_loaded(sink);
  crew->workers.wait(stop);
  if (stop.requested()) return std::unexpected(stop.error());
  return join_parts(path, crew->source.parts(), crew->regions, sink);
}

std::expected<Database, Error> load_file_in_parts(std::string_view path, FileReader& file,
                                                  StdoutSink& sink, bool (*keep_reading)(),
                                                  std::size_t threads, std::size_t minimum_part,
                                                  std::size_t chunk) {
  assert(file.text().empty());
  LoadStop stop(keep_reading);
  const std::size_t stated = file.stated_size();
  const std::size_t wanted =
      std::min(stated / std::max<std::size_t>(minimum_part, 1), threads * kPartsPerThread);
  if (threads >= 2 && wanted >= 2) {
    // The threads are joined on every way out of this block, before `file`,
    // which holds the text of the parts, can go.
    const CrewHolder<PartStream> crew(stop, threads, wanted);
    for (std::size_t t = 1;
         t < threads && crew->workers.start(crew->source, crew->regions[t], stop); ++t) {
    }
    PartCutter cutter(stated / wanted, minimum_part, wanted);
    // Published parts are views into the buffer, which must not move: past
    // its stated size, the file is loaded afresh once it is read whole.
    while (!file.full()) {
      const std::expected<bool, ReadFailure> more = file.read_chunk(stop, chunk);
      if (!more) return std::unexpected(more.error().error);
      const std::string_view text = file.text();
      if (!*more) {
        // No header to cut at: loaded below on this thread alone, so that its
        // messages are printed as it goes instead of all kept back.
        if (cutter.last_start() == 0) break;
        const std::string_view last = text.substr(cutter.last_start());
        if (!valid_part(last, cutter.last_start(), sink)) {
          return std::unexpected(Error::kErrorReadingFile);
        }
        crew->source.publish(last);
        crew->source.finish();
        while (crew->source.load_next(crew->regions[0], stop)) crew->source.print_loaded(sink);
        crew->workers.wait(stop);
        if (stop.requested()) return std::unexpected(stop.error());
        return join_parts(path, crew->source.parts(), crew->regions, sink);
      }
      bool valid = true;
      cutter.advance(text, false, [&](std::size_t start, std::size_t end) {
        if (!valid) return;
        valid = valid_part(text.substr(start, end - start), start, sink);
        if (valid) crew->source.publish(text.substr(start, end - start));
      });
      if (!valid) return std::unexpected(Error::kErrorReadingFile);
    }
  }
  const std::expected<FileContents, ReadFailure> contents = file.read_rest(stop, chunk);
  if (!contents) return std::unexpected(contents.error().error);
  return load_database_in_parts(path, contents->text(), sink, threads, minimum_part, &stop);
}

}  // namespace quorvane
