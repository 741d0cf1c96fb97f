#include "binding/database_lock.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

namespace quorvane::py {
namespace {

// A thread blocked waiting for a database lock, the lock it waits for, when
// it started waiting (a number that only grows), and the word it sleeps on
// (bumped to wake it).
struct Waiter {
  std::uintptr_t thread;
  const DatabaseLock* lock;
  std::uint64_t ticket;
  std::atomic<std::uint32_t>* signal;
};

thread_local std::atomic<std::uint32_t> t_signal{0};

// Every thread waiting for its turn at a lock. Changed and read only with the
// GIL held: an entry is added before the GIL is released and removed after it
// is taken back, so a thread that walks the list sees every wait-for edge.
std::vector<Waiter> g_waiters;
std::uint64_t g_next_ticket = 0;

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

constexpr const char* kReentered =
    "database is locked by a call in progress on this thread; code run during that call "
    "(a value conversion or a finalizer) must not call into the same database";
constexpr const char* kWouldDeadlock =
    "waiting for this database would deadlock: its lock is held by a thread that is "
    "waiting for a database this thread holds";

}  // namespace

// Only the first waiter is woken: the others could not take the lock anyway,
// and waking them all would have them queue for the GIL in its way.
void DatabaseLock::wake_waiters() noexcept {
  if (const Waiter* first = first_waiter(this)) {
    first->signal->fetch_add(1, std::memory_order_relaxed);
    first->signal->notify_all();
  }
}

bool DatabaseLock::wait_for_turn() noexcept {
  const std::uintptr_t self = this_thread_id();
  if (owner_ == self) return true;  // re-entry: the caller reports it
  if (available_to(self)) return true;
  // Follows owner -> the lock it waits for -> that lock's owner ...; every
  // step visits another waiter, so the walk is bounded. Reaching this thread
  // means that waiting would close a cycle.
  auto would_deadlock = [&] {
    std::uintptr_t owner = owner_;
    for (std::size_t steps = 0; owner != 0 && steps < g_waiters.size(); ++steps) {
      const DatabaseLock* next = waited_for_by(owner);
      if (!next) break;
      owner = next->owner_;
      if (owner == self) return true;
    }
    return false;
  };
  if (would_deadlock()) {
    PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
    return false;
  }
  try {
    g_waiters.push_back({self, this, g_next_ticket++, &t_signal});
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return false;
  }
  ++waiters_;
  auto stop_waiting = [&] {
    std::erase_if(g_waiters, [self](const Waiter& waiter) { return waiter.thread == self; });
    // The next waiter's turn may have come: when this one gives up, or when
    // it returns early without taking the lock (a failing argument).
    if (--waiters_ != 0) wake_waiters();
  };
  while (locked_ || first_waiter(this)->thread != self) {
    if (would_deadlock()) {
      stop_waiting();
      PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
      return false;
    }
    const std::uint32_t seen = t_signal.load(std::memory_order_relaxed);
    PyThreadState* saved = PyEval_SaveThread();  // the GIL is released while waiting
    t_signal.wait(seen, std::memory_order_relaxed);
    PyEval_RestoreThread(saved);
  }
  served_ = self;
  stop_waiting();
  return true;
}

bool DatabaseLock::lock_contended() noexcept {
  for (;;) {
    if (owner_ == this_thread_id()) {
      PyErr_SetString(PyExc_RuntimeError, kReentered);
      return false;
    }
    if (!wait_for_turn()) return false;
    if (try_lock()) return true;
  }
}

}  // namespace quorvane::py
