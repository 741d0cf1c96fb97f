#include "binding/handle.h"

#include <algorithm>
#include <vector>

#include "binding/errors.h"

namespace quorvane::py {
namespace {

// A thread blocked waiting for a database lock, the handle it waits for,
// when it started waiting (a number that only grows), and the word it sleeps
// on (bumped to wake it).
struct Waiter {
  std::uintptr_t thread;
  const DatabaseHandle* handle;
  std::uint64_t ticket;
  std::atomic<std::uint32_t>* signal;
};

thread_local std::atomic<std::uint32_t> t_signal{0};

// Every thread waiting for its turn at a lock. Changed and read only with the
// GIL held: an entry is added before the GIL is released and removed after it
// is taken back, so a thread that walks the list sees every wait-for edge.
std::vector<Waiter> g_waiters;
std::uint64_t g_next_ticket = 0;

const DatabaseHandle* waited_for_by(std::uintptr_t thread) {
  for (const Waiter& waiter : g_waiters) {
    if (waiter.thread == thread) return waiter.handle;
  }
  return nullptr;
}

// The thread that has waited longest for `handle`, or nullptr.
const Waiter* first_waiter(const DatabaseHandle* handle) {
  const Waiter* first = nullptr;
  for (const Waiter& waiter : g_waiters) {
    if (waiter.handle == handle && (!first || waiter.ticket < first->ticket)) first = &waiter;
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
void DatabaseHandle::wake_waiters() noexcept {
  if (const Waiter* first = first_waiter(this)) {
    first->signal->fetch_add(1, std::memory_order_relaxed);
    first->signal->notify_all();
  }
}

bool DatabaseShare::wait_for_turn() const noexcept {
  DatabaseHandle& handle = *handle_;
  const std::uintptr_t self = this_thread_id();
  if (handle.owner_ == self) return true;  // re-entry: the caller reports it
  if (handle.available_to(self)) return true;
  // Follows owner -> the handle it waits for -> that handle's owner ...;
  // every step visits another waiter, so the walk is bounded. Reaching this
  // thread means that waiting would close a cycle.
  auto would_deadlock = [&] {
    std::uintptr_t owner = handle.owner_;
    for (std::size_t steps = 0; owner != 0 && steps < g_waiters.size(); ++steps) {
      const DatabaseHandle* next = waited_for_by(owner);
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
    g_waiters.push_back({self, handle_, g_next_ticket++, &t_signal});
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return false;
  }
  ++handle.waiters_;
  auto stop_waiting = [&] {
    std::erase_if(g_waiters, [self](const Waiter& waiter) { return waiter.thread == self; });
    // The next waiter's turn may have come: when this one gives up, or when
    // it returns early without taking the lock (a failing argument).
    if (--handle.waiters_ != 0) handle.wake_waiters();
  };
  while (handle.locked_ || first_waiter(handle_)->thread != self) {
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
  handle.served_ = self;
  stop_waiting();
  return true;
}

DbLock DatabaseShare::lock_contended() const noexcept {
  for (;;) {
    if (handle_->owner_ == this_thread_id()) {
      PyErr_SetString(PyExc_RuntimeError, kReentered);
      return DbLock();
    }
    if (!wait_for_turn()) return DbLock();
    if (handle_->try_lock()) return DbLock::acquired(handle_);
  }
}

PyObject* raise_lock_failed() noexcept {
  return raise_panic("database lock poisoned by an earlier panic");
}

}  // namespace quorvane::py
