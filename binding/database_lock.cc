#include "binding/database_lock.h"

#include <pthread.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <new>
#include <vector>

#include "binding/thread_exit.h"
#include "core/platform/word_wait.h"

namespace quorvane::py {
namespace {

// A thread blocked waiting for a database lock, the lock it waits for, when
// it started waiting (a number that only grows), the word it sleeps on
// (bumped to wake it), and the fork epoch it started waiting in.
struct Waiter {
  std::uintptr_t thread;
  const DatabaseLock* lock;
  std::uint64_t ticket;
  std::atomic<std::uint32_t>* signal;
  std::uint32_t epoch;
};

thread_local std::atomic<std::uint32_t> t_signal{0};

// Every thread waiting for its turn at a lock. Changed and read only with the
// GIL held: an entry is added before the GIL is released and removed after it
// is taken back, so a thread that walks the list sees every wait-for edge.
// A thread ended at interpreter exit while waiting leaves its entry behind;
// nobody is woken once the interpreter finalizes, so it is never signalled.
std::vector<Waiter> g_waiters;
std::uint64_t g_next_ticket = 0;

// The thread that called the latest fork(), in the child: the one thread
// that went on from the parent (set by the fork handler).
std::uintptr_t g_forking_thread = 0;

// A waiting thread wakes this often to run the signal handlers (a signal
// that arrives just before it falls asleep does not interrupt the sleep).
constexpr long kSignalPollNanoseconds = 50'000'000;

constexpr const char* kReentered =
    "database is locked by a call in progress on this thread; code run during that call "
    "(a value conversion or a finalizer) must not call into the same database";
constexpr const char* kWouldDeadlock =
    "waiting for this database would deadlock: its lock is held by a thread that is "
    "waiting for a database this thread holds";
constexpr const char* kWaitingAlready =
    "this thread is waiting for a database lock: a signal handler run during that wait must "
    "not wait for a database lock";
constexpr const char* kHeldAcrossFork =
    "database is locked by a thread that does not exist in this process: the process was "
    "forked while another thread was using the database";
constexpr const char* kHeldAtExit =
    "database is locked by a thread that the interpreter ended at exit";

const DatabaseLock* waited_for_by(std::uintptr_t thread) {
  for (const Waiter& waiter : g_waiters) {
    if (waiter.thread == thread) return waiter.lock;
  }
  return nullptr;
}

// The thread that has waited longest for `lock`, or nullptr.
const Waiter* first_waiter(const DatabaseLock* lock) {
  const Waiter* first = nullptr;
  for (const Waiter& waiter : g_waiters) {
    if (waiter.lock == lock && (!first || waiter.ticket < first->ticket)) first = &waiter;
  }
  return first;
}

// Sleeps until `word` is bumped, a signal arrives or the poll interval ends.
void sleep_on(std::atomic<std::uint32_t>& word, std::uint32_t seen) {
  platform::wait_on_word(word, seen, std::chrono::nanoseconds{kSignalPollNanoseconds});
}

void wake(std::atomic<std::uint32_t>& word) {
  word.fetch_add(1, std::memory_order_relaxed);
  platform::wake_one(word);
}

// In a child process only the forking thread lives on: runs there, in fork().
void after_fork_in_child() {
  g_forking_thread = this_thread_id();
  g_fork_epoch.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

void watch_for_fork() {
  static const bool registered = pthread_atfork(nullptr, nullptr, after_fork_in_child) == 0;
  (void)registered;
}

// Only the first waiter is woken: the others could not take the lock anyway,
// and waking them all would have them queue for the GIL in its way. Once the
// interpreter finalizes, no other thread can take the GIL back to go on.
void DatabaseLock::wake_waiters() noexcept {
  if (interpreter_finalizing()) return;
  if (const Waiter* first = first_waiter(this)) wake(*first->signal);
}

bool DatabaseLock::check_holder(std::uintptr_t self) {
  const std::uint32_t epoch = g_fork_epoch.load(std::memory_order_relaxed);
  if (epoch_ != epoch && !orphaned_) {
    // Forked since this lock was last used: the waiters of the parent are
    // gone, and so is the holder unless it is the thread that forked.
    std::erase_if(g_waiters, [epoch](const Waiter& waiter) { return waiter.epoch != epoch; });
    state_.waiters = 0;
    served_ = 0;
    orphaned_ = state_.locked && owner_ != g_forking_thread;
    epoch_ = epoch;
  }
  if (orphaned_) {
    PyErr_SetString(PyExc_RuntimeError, kHeldAcrossFork);
    return false;
  }
  if (state_.locked && owner_ != self && interpreter_finalizing()) {
    PyErr_SetString(PyExc_RuntimeError, kHeldAtExit);
    return false;
  }
  return true;
}

// Follows owner -> the lock it waits for -> that lock's owner ...; every step
// visits another waiter, so the walk is bounded. Reaching `self` means that
// its waiting would close a cycle.
bool DatabaseLock::would_deadlock(std::uintptr_t self) const {
  std::uintptr_t owner = owner_;
  for (std::size_t steps = 0; owner != 0 && steps < g_waiters.size(); ++steps) {
    const DatabaseLock* next = waited_for_by(owner);
    if (!next) break;
    owner = next->owner_;
    if (owner == self) return true;
  }
  return false;
}

bool DatabaseLock::join_queue(std::uintptr_t self) {
  if (would_deadlock(self)) {
    PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
    return false;
  }
  // A signal handler run while this thread waits must not queue it again.
  if (waited_for_by(self)) {
    PyErr_SetString(PyExc_RuntimeError, kWaitingAlready);
    return false;
  }
  try {
    g_waiters.push_back({self, this, g_next_ticket++, &t_signal, epoch_});
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return false;
  }
  ++state_.waiters;
  return true;
}

// The next waiter's turn may have come: when this one gives up, or when it
// returns early without taking the lock (a failing argument).
void DatabaseLock::leave_queue(std::uintptr_t self) noexcept {
  std::erase_if(g_waiters, [self](const Waiter& waiter) { return waiter.thread == self; });
  if (--state_.waiters != 0) wake_waiters();
}

// A thread ended at interpreter exit in PyEval_RestoreThread stays queued.
bool DatabaseLock::wait_for_turn() {
  const std::uintptr_t self = this_thread_id();
  if (!check_holder(self)) return false;
  if (owner_ == self) return true;  // re-entry: the caller reports it
  // While the interpreter finalizes, the threads that still wait will never
  // take the GIL back: a free lock is this thread's (check_holder refused a
  // held one).
  if (available_to(self) || interpreter_finalizing()) return true;
  if (!join_queue(self)) return false;
  while (state_.locked || first_waiter(this)->thread != self) {
    if (would_deadlock(self)) {
      leave_queue(self);
      PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
      return false;
    }
    const std::uint32_t seen = t_signal.load(std::memory_order_relaxed);
    PyThreadState* saved = PyEval_SaveThread();  // the GIL is released while waiting
    sleep_on(t_signal, seen);
    PyEval_RestoreThread(saved);  // may end the thread at interpreter exit
    if (!state_.locked && first_waiter(this)->thread == self) break;
    if (PyErr_CheckSignals() < 0) {  // a handler raised (KeyboardInterrupt): give up
      leave_queue(self);
      return false;
    }
  }
  served_ = self;
  leave_queue(self);
  return true;
}

bool DatabaseLock::lock_contended() {
  const std::uintptr_t self = this_thread_id();
  for (;;) {
    if (!check_holder(self)) return false;
    if (owner_ == self) {
      PyErr_SetString(PyExc_RuntimeError, kReentered);
      return false;
    }
    if (!state_.locked && interpreter_finalizing()) {
      state_.locked = true;
      owner_ = self;
      served_ = 0;
      return true;
    }
    if (!wait_for_turn()) return false;
    if (try_lock()) return true;
  }
}

}  // namespace quorvane::py
