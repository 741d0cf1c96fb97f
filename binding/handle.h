// DatabaseHandle: the shared holder of one Database, with an atomic count of
// its shares and the DatabaseLock that guards the database. DatabaseShare
// owns one share; DbLock holds the lock and gives access to the database;
// with_lock runs a step under it. Used with the GIL held.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <cstddef>
#include <new>
#include <utility>

#include "binding/database_lock.h"
#include "binding/thread_exit.h"
#include "core/store/database.h"

namespace quorvane::py {

class DbLock;

class DatabaseHandle {
 public:
  explicit DatabaseHandle(Database database) : database_(std::move(database)) {}
  DatabaseHandle(const DatabaseHandle&) = delete;
  DatabaseHandle& operator=(const DatabaseHandle&) = delete;

 private:
  friend class DatabaseShare;
  friend class DbLock;

  std::atomic<std::size_t> shares_{1};
  DatabaseLock lock_;
  Database database_;  // guarded by lock_
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

  // Waits until this thread may take the lock (DatabaseLock::wait_turn).
  // Members call this before taking their object's borrow, so that a thread
  // never waits while holding a borrow, and other threads calling the same
  // object wait here instead of meeting that borrow.
  bool wait_turn() const { return handle_->lock_.wait_turn(); }

  // The database, read without taking the lock, or nullptr when the lock is
  // not idle. REQUIRES: the caller keeps the GIL and runs no Python code while
  // it reads, so that no other user of the database can come between.
  const Database* read_idle() const noexcept {
    return handle_->lock_.idle() ? &handle_->database_ : nullptr;
  }

  // Takes the lock. Empty, with an exception set, when this thread already
  // holds it (RuntimeError), when waiting fails as in DatabaseLock::wait_turn
  // (deadlock, a holder that cannot release it, a signal handler that
  // raised), or when the lock was marked failed (panic exception).
  DbLock lock() const;

 private:
  explicit DatabaseShare(DatabaseHandle* handle) noexcept : handle_(handle) {}
  DbLock lock_contended() const;
  DatabaseHandle* handle_;
};

// Holds a DatabaseHandle's lock until destroyed; gives access to the database.
// A thread ended at interpreter exit keeps the lock (thread_exit.h).
class DbLock {
 public:
  DbLock() = default;
  DbLock(DbLock&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  DbLock& operator=(DbLock&&) = delete;
  ~DbLock() {
    if (handle_ && !ending_at_exit()) handle_->lock_.unlock();
  }

  explicit operator bool() const noexcept { return handle_ != nullptr; }
  Database& operator*() const noexcept { return handle_->database_; }
  Database* operator->() const noexcept { return &handle_->database_; }

  // Marks the lock as failed: every later attempt to take it raises the panic
  // exception. Used when a step that changes stored data fails midway.
  void poison() noexcept { handle_->lock_.mark_failed(); }

 private:
  friend class DatabaseShare;
  explicit DbLock(DatabaseHandle* handle) noexcept : handle_(handle) {}
  // Completes an acquisition: refuses a lock marked failed.
  static DbLock acquired(DatabaseHandle* handle);
  DatabaseHandle* handle_ = nullptr;
};

// Raises the panic exception of a lock marked failed. Returns nullptr.
PyObject* raise_lock_failed();

inline DbLock DbLock::acquired(DatabaseHandle* handle) {
  if (handle->lock_.failed()) [[unlikely]] {
    handle->lock_.unlock();
    raise_lock_failed();
    return DbLock();
  }
  return DbLock(handle);
}

inline DbLock DatabaseShare::lock() const {
  if (handle_->lock_.try_lock()) [[likely]]
    return DbLock::acquired(handle_);
  return lock_contended();
}

// What a step under the lock does to the stored data.
enum class Access : bool { kRead, kChange };

// Runs op(DbLock&) under the lock of `share`. A C++ exception other than
// std::bad_alloc leaving a step that changes data marks the lock failed (the
// database may be half changed), then goes on to the caller's guarded(). A
// step that only reads leaves the database as it was, whatever fails. The
// unwind that ends a thread at interpreter exit passes untouched.
template <class Op>
PyObject* with_lock(const DatabaseShare& share, Access access, Op&& op) {
  DbLock db = share.lock();
  if (!db) return nullptr;
  if (access == Access::kRead) return op(db);
  try {
    return op(db);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (...) {
    if (!is_foreign_exception()) db.poison();
    throw;
  }
}

}  // namespace quorvane::py
