// Stopping a load part-way, from any of its threads.
//
// The thread that makes a LoadStop (the caller of the load) asks the caller's
// hook whether to go on, between chunks read, every kStopCheckBytes parsed
// and while it waits for the load's other threads; those threads only look at
// the answer. A load that is told to stop fails as soon as each of its
// threads notices, building nothing.
//
// A fork() inside the hook (a signal handler may run there) is noticed too:
// the child's copy of the load has lost the load's other threads, which may
// have held its locks or been half-way through a part, so the load stops in
// the child and leaves their state alone (forked()); the parent goes on.
#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

#include <sys/types.h>

#include "core/value/error.h"

namespace quorvane {

// The text a thread parses between two looks at its load's LoadStop.
inline constexpr std::size_t kStopCheckBytes = std::size_t{256} << 10;

class LoadStop {
 public:
  // `keep_going` (may be null) returns false to stop the load.
  explicit LoadStop(bool (*keep_going)() = nullptr);
  LoadStop(const LoadStop&) = delete;
  LoadStop& operator=(const LoadStop&) = delete;

  // Whether the load is to stop. On the thread that made this, asks the hook
  // first (with the thread's value region paused), and lets through what the
  // hook throws; on any other thread, the same as requested().
  bool poll();
  // Whether a stop was asked for, by the hook or by request(). Any thread.
  bool requested() const noexcept { return stopped_.load(std::memory_order_relaxed); }
  // Stops the load. Any thread.
  void request() noexcept { stopped_.store(true, std::memory_order_relaxed); }
  // Whether this process is a child forked inside the hook. Owner only.
  bool forked() const noexcept { return forked_; }
  // What a stopped load fails with: kReadInterrupted when the hook said so
  // (it reports why itself), otherwise kErrorReadingFile.
  Error error() const noexcept {
    return interrupted_ ? Error::kReadInterrupted : Error::kErrorReadingFile;
  }

 private:
  bool (*keep_going_)();
  std::thread::id owner_;
  pid_t process_;
  std::atomic<bool> stopped_{false};
  bool interrupted_ = false;
  bool forked_ = false;
};

}  // namespace quorvane
