#include "binding/handle.h"

#include <algorithm>
#include <vector>

#include "binding/errors.h"

namespace quorvane::py {
namespace {

// A thread blocked waiting for a database lock, and the handle it waits for.
struct Waiter {
  unsigned long thread;
  const void* handle;
};

// Every thread blocked in lock_contended. Changed and read only with the GIL
// held: an entry is added before the GIL is released and removed after it is
// taken back, so a thread that walks the list sees every finished wait-for edge.
std::vector<Waiter> g_waiters;

const void* waited_for_by(unsigned long thread) {
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

void DatabaseHandle::lock_blocking() noexcept {
  std::uint32_t state = 0;
  if (state_.compare_exchange_strong(state, 1, std::memory_order_acquire)) return;
  if (state != 2) state = state_.exchange(2, std::memory_order_acquire);
  while (state != 0) {
    state_.wait(2, std::memory_order_relaxed);
    state = state_.exchange(2, std::memory_order_acquire);
  }
}

DbLock DatabaseShare::lock_contended() const noexcept {
  const unsigned long self = PyThread_get_thread_ident();
  unsigned long owner = handle_->owner_.load(std::memory_order_relaxed);
  if (owner == self) {
    PyErr_SetString(PyExc_RuntimeError, kReentered);
    return DbLock();
  }
  // Follow owner -> handle it waits for -> that handle's owner ...; reaching
  // this thread means blocking would close a cycle. Each step visits another
  // waiter, so the walk ends after at most g_waiters.size() steps.
  for (std::size_t steps = 0; owner != 0 && steps < g_waiters.size(); ++steps) {
    const auto* next = static_cast<const DatabaseHandle*>(waited_for_by(owner));
    if (!next) break;
    owner = next->owner_.load(std::memory_order_relaxed);
    if (owner == self) {
      PyErr_SetString(PyExc_RuntimeError, kWouldDeadlock);
      return DbLock();
    }
  }
  try {
    g_waiters.push_back({self, handle_});
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return DbLock();
  }
  Py_BEGIN_ALLOW_THREADS
  handle_->lock_blocking();
  Py_END_ALLOW_THREADS
  std::erase_if(g_waiters, [self](const Waiter& waiter) { return waiter.thread == self; });
  return DbLock::acquired(handle_);
}

PyObject* raise_lock_failed() noexcept {
  return raise_panic("database lock poisoned by an earlier panic");
}

}  // namespace quorvane::py
