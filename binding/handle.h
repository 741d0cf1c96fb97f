// DatabaseHandle: the shared holder of one Database, with an atomic count of
// its shares, one lock that is not re-entrant, and a flag that marks the lock
// as failed after a panic while it was held. DatabaseShare owns one share;
// DbLock holds the lock. BorrowState refuses re-entrant use of one Python
// object. Everything here is used with the GIL held, except the blocking wait
// for a lock held by another thread, which releases the GIL so that the holder
// can finish (Python code may run while a lock is held: value conversions,
// finalizers). Threads that had to wait get the lock in the order they
// started waiting, and no thread takes it past them: a thread that keeps
// calling cannot shut the others out.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <cstdint>
#include <new>
#include <utility>

#include "core/store/database.h"

namespace quorvane::py {

class DbLock;

// A number that identifies the calling thread among the live threads, never 0.
// The thread pointer needs no call where the compiler can read it directly.
#if defined(__x86_64__) && defined(__has_builtin)
#if __has_builtin(__builtin_thread_pointer)
#define QUORVANE_HAVE_THREAD_POINTER 1
#endif
#endif
inline std::uintptr_t this_thread_id() noexcept {
#ifdef QUORVANE_HAVE_THREAD_POINTER
  return reinterpret_cast<std::uintptr_t>(__builtin_thread_pointer());
#else
  return static_cast<std::uintptr_t>(PyThread_get_thread_ident());
#endif
}

class DatabaseHandle {
 public:
  explicit DatabaseHandle(Database database) : database_(std::move(database)) {}
  DatabaseHandle(const DatabaseHandle&) = delete;
  DatabaseHandle& operator=(const DatabaseHandle&) = delete;

 private:
  friend class DatabaseShare;
  friend class DbLock;

  // Every field but shares_ is read and changed only with the GIL held, which
  // orders every access. A waiting thread drops the GIL and sleeps until the
  // lock may be its to take (handle.cc).

  // Free for anyone when nobody waits; otherwise only for the thread whose
  // turn has just come (served_).
  bool available_to(std::uintptr_t thread) const noexcept {
    return !locked_ && (waiters_ == 0 || served_ == thread);
  }
  bool try_lock() noexcept {
    const std::uintptr_t self = this_thread_id();
    if (!available_to(self)) return false;
    locked_ = true;
    owner_ = self;
    served_ = 0;
    return true;
  }
  void unlock() noexcept {
    owner_ = 0;
    locked_ = false;
    if (waiters_ != 0) wake_waiters();
  }
  // Wakes the thread that has waited longest, to look at the lock again.
  void wake_waiters() noexcept;

  std::atomic<std::size_t> shares_{1};
  std::uint32_t waiters_ = 0;  // threads waiting for their turn
  std::uintptr_t owner_ = 0;   // this_thread_id() of the holder, 0 when free
  std::uintptr_t served_ = 0;  // the waiter whose turn came, until it locks
  bool locked_ = false;
  bool failed_ = false;  // set by DbLock::poison
  Database database_;    // guarded by the lock
};

// One share of a DatabaseHandle; the handle and its database are destroyed
// with the last share. Copying takes a new share.
class DatabaseShare {
 public:
  // A new handle around `database`, holding its first share.
  static DatabaseShare create(Database database) {
    return DatabaseShare(new DatabaseHandle(std::move(database)));
  }
  DatabaseShare(const DatabaseShare& other) noexcept : handle_(other.handle_) {
    handle_->shares_.fetch_add(1, std::memory_order_relaxed);
  }
  DatabaseShare(DatabaseShare&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  DatabaseShare& operator=(const DatabaseShare&) = delete;
  DatabaseShare& operator=(DatabaseShare&&) = delete;
  ~DatabaseShare() {
    if (handle_ && handle_->shares_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete handle_;
  }

  // Waits, with the GIL released, until this thread may take the lock: it is
  // free and no thread that started waiting earlier still waits. Members call
  // this before taking their object's borrow, so that a thread never waits
  // while holding a borrow, and other threads calling the same object wait
  // here instead of meeting that borrow. Returns at once when the lock is
  // free with nobody waiting, or held by this thread. False with RuntimeError
  // set when waiting would deadlock with another thread.
  bool wait_turn() const noexcept {
    if (!handle_->locked_ && handle_->waiters_ == 0) [[likely]]
      return true;
    return wait_for_turn();
  }

  // Takes the lock. Empty, with an exception set, when this thread already
  // holds it (RuntimeError), when waiting would deadlock with another thread
  // (RuntimeError), or when the lock was marked failed (panic exception).
  DbLock lock() const noexcept;

 private:
  explicit DatabaseShare(DatabaseHandle* handle) noexcept : handle_(handle) {}
  bool wait_for_turn() const noexcept;
  DbLock lock_contended() const noexcept;
  DatabaseHandle* handle_;
};

// Holds a DatabaseHandle's lock until destroyed; gives access to the database.
class DbLock {
 public:
  DbLock() = default;
  DbLock(DbLock&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  DbLock& operator=(DbLock&&) = delete;
  ~DbLock() {
    if (handle_) handle_->unlock();
  }

  explicit operator bool() const noexcept { return handle_ != nullptr; }
  Database& operator*() const noexcept { return handle_->database_; }
  Database* operator->() const noexcept { return &handle_->database_; }

  // Marks the lock as failed: every later attempt to take it raises the panic
  // exception. Used when a panic is raised while the lock is held.
  void poison() noexcept { handle_->failed_ = true; }

 private:
  friend class DatabaseShare;
  explicit DbLock(DatabaseHandle* handle) noexcept : handle_(handle) {}
  // Completes an acquisition: refuses a lock marked failed.
  static DbLock acquired(DatabaseHandle* handle) noexcept;
  DatabaseHandle* handle_ = nullptr;
};

// Raises the panic exception of a lock marked failed. Returns nullptr.
PyObject* raise_lock_failed() noexcept;

inline DbLock DbLock::acquired(DatabaseHandle* handle) noexcept {
  if (handle->failed_) [[unlikely]] {
    handle->unlock();
    raise_lock_failed();
    return DbLock();
  }
  return DbLock(handle);
}

inline DbLock DatabaseShare::lock() const noexcept {
  if (handle_->try_lock()) [[likely]]
    return DbLock::acquired(handle_);
  return lock_contended();
}

// Runs op(DbLock&) under the lock of `share`. A C++ exception other than
// std::bad_alloc leaving op marks the lock failed (the database may be half
// changed), then goes on to the caller's guarded().
template <class Op>
PyObject* with_lock(const DatabaseShare& share, Op&& op) {
  DbLock db = share.lock();
  if (!db) return nullptr;
  try {
    return op(db);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (...) {
    db.poison();
    throw;
  }
}

// The borrow state of one Python object: unborrowed, shared by a count of
// calls in progress, or exclusive. Read and changed only with the GIL held,
// which makes each check-and-update atomic with respect to other threads.
class BorrowState {
 public:
  bool try_shared() noexcept {
    const int current = state_.load(std::memory_order_relaxed);
    if (current < 0) return false;
    state_.store(current + 1, std::memory_order_relaxed);
    return true;
  }
  bool try_exclusive() noexcept {
    if (state_.load(std::memory_order_relaxed) != 0) return false;
    state_.store(-1, std::memory_order_relaxed);
    return true;
  }
  void release_shared() noexcept {
    state_.store(state_.load(std::memory_order_relaxed) - 1, std::memory_order_relaxed);
  }
  void release_exclusive() noexcept { state_.store(0, std::memory_order_relaxed); }

 private:
  std::atomic<int> state_{0};  // -1 exclusive, 0 free, n > 0 shared by n calls
};

// Holds a shared or exclusive borrow for its lifetime. A failed borrow is an
// empty guard with RuntimeError set: "Already mutably borrowed" for shared
// access, "Already borrowed" for exclusive access.
class BorrowGuard {
 public:
  static BorrowGuard shared(BorrowState& state) noexcept {
    if (state.try_shared()) [[likely]]
      return BorrowGuard(&state, false);
    PyErr_SetString(PyExc_RuntimeError, "Already mutably borrowed");
    return BorrowGuard(nullptr, false);
  }
  static BorrowGuard exclusive(BorrowState& state) noexcept {
    if (state.try_exclusive()) [[likely]]
      return BorrowGuard(&state, true);
    PyErr_SetString(PyExc_RuntimeError, "Already borrowed");
    return BorrowGuard(nullptr, true);
  }
  BorrowGuard(BorrowGuard&& other) noexcept
      : state_(std::exchange(other.state_, nullptr)), exclusive_(other.exclusive_) {}
  BorrowGuard& operator=(BorrowGuard&&) = delete;
  ~BorrowGuard() {
    if (!state_) return;
    if (exclusive_) {
      state_->release_exclusive();
    } else {
      state_->release_shared();
    }
  }
  explicit operator bool() const noexcept { return state_ != nullptr; }

 private:
  BorrowGuard(BorrowState* state, bool exclusive) noexcept : state_(state), exclusive_(exclusive) {}
  BorrowState* state_;
  bool exclusive_;
};

}  // namespace quorvane::py
