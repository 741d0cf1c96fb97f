#include "binding/handle.h"

#include <algorithm>
#include <vector>

#include "binding/errors.h"

namespace quorvane::py {
namespace {

// A thread blocked waiting for a database lock, and the handle it waits for.
struct Waiter {
  std::uintptr_t thread;
  const void* handle;
};

// Every thread blocked in lock_contended. Changed and read only with the GIL
// held: an entry is added before the GIL is released and removed after it is
// taken back, so a thread that walks the list sees every finished wait-for edge.
std::vector<Waiter> g_waiters;

const void* waited_for_by(std::uintptr_t thread) {
  for (const Waiter& waiter : g_waiters) {
    if (waiter.thread == thread) return waiter.handle;
  }
  return nullptr;
}

constexpr const char* kReentered =
    "database is locked by a call in progress on this thread; code run during that call "
    "(a value conversion or a finalizer) must not call into the same database";
constexpr const char* kWouldDeadlock =
    "waiting for this database would deadlock: its lock is held by a thread that is "
    "waiting for a database this thread holds";

}  // namespace

void DatabaseHandle::wait_until_free() noexcept {
  while (locked_.load(std::memory_order_acquire) != 0) {
    locked_.wait(1, std::memory_order_acquire);
  }
}

bool DatabaseShare::wait_while_held_elsewhere() const noexcept {
  const std::uintptr_t self = this_thread_id();
  while (handle_->locked_.load(std::memory_order_relaxed) != 0) {
    std::uintptr_t owner = handle_->owner_;
    if (owner == self) return true;  // re-entry: the caller reports it
    // Follow owner -> the handle it waits for -> that handle's owner ...;
    // every step visits another waiter, so the walk is bounded. Reaching this
    // thread means that waiting would close a cycle.
    for (std::size_t steps = 0; owner != 0 && steps < g_waiters.size(); ++steps) {
      const auto* next = static_cast<const DatabaseHandle*>(waited_for_by(owner));
      if (!next) break;
      owner = next->owner_;
      if (owner == self) {
        PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
        return false;
      }
    }
    try {
      g_waiters.push_back({self, handle_});
    } catch (const std::bad_alloc&) {
      PyErr_NoMemory();
      return false;
    }
    ++handle_->waiters_;
    PyThreadState* saved = PyEval_SaveThread();  // the GIL is released while waiting
    handle_->wait_until_free();
    PyEval_RestoreThread(saved);
    --handle_->waiters_;
    std::erase_if(g_waiters, [self](const Waiter& waiter) { return waiter.thread == self; });
  }
  return true;
}

DbLock DatabaseShare::lock_contended() const noexcept {
  for (;;) {
    if (handle_->owner_ == this_thread_id()) {
      PyErr_SetString(PyExc_RuntimeError, kReentered);
      return DbLock();
    }
    if (!wait_while_held_elsewhere()) return DbLock();
    if (handle_->try_lock()) return DbLock::acquired(handle_);
  }
}

PyObject* raise_lock_failed() noexcept {
  return raise_panic("database lock poisoned by an earlier panic");
}

}  // namespace quorvane::py
