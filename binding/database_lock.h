// DatabaseLock: the lock of one database. It is not re-entrant, it can be
// marked as failed when a change to the data it guards failed midway, and it
// is fair: threads
// that had to wait get it in the order they started waiting, and no thread
// takes it past them, so a thread that keeps calling cannot shut the others
// out. Everything here is used with the GIL held, except the blocking wait
// for a lock held by another thread, which releases the GIL so that the
// holder can finish (Python code may run while a lock is held: value
// conversions, finalizers). The queue of waiting threads is shared by all
// locks (database_lock.cc), which lets a thread see when waiting would close
// a cycle of threads waiting for each other.
//
// A lock whose holder can never release it is refused with RuntimeError
// instead of waited for: in a child process, a lock held at fork() by a
// thread other than the forking one; while the interpreter finalizes, a lock
// held by any other thread (thread_exit.h).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <bit>
#include <cstdint>

#include "binding/thread_id.h"

namespace quorvane::py {

// Counts the fork() calls this process descends from (pthread_atfork).
inline std::atomic<std::uint32_t> g_fork_epoch{0};

// Registers the fork handler, once per process.
void watch_for_fork();

class DatabaseLock {
 public:
  DatabaseLock() = default;
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;

  // Takes the lock when it is free for this thread right now.
  bool try_lock() noexcept {
    const std::uintptr_t self = this_thread_id();
    if (!available_to(self)) return false;
    state_.locked = true;
    owner_ = self;
    served_ = 0;
    epoch_ = g_fork_epoch.load(std::memory_order_relaxed);
    return true;
  }
  // REQUIRES: held by this thread.
  void unlock() noexcept {
    owner_ = 0;
    state_.locked = false;
    if (state_.waiters != 0) wake_waiters();
  }

  // Waits, with the GIL released, until this thread may take the lock: it is
  // free and no thread that started waiting earlier still waits. Returns at
  // once when the lock is free with nobody waiting, or held by this thread.
  // False, with the exception set, when waiting would deadlock with another
  // thread or can never end (RuntimeError), or when a signal handler raised
  // while waiting (its exception; this thread then leaves the queue).
  bool wait_turn() {
    if (!state_.locked && state_.waiters == 0) [[likely]]
      return true;
    return wait_for_turn();
  }

  // The slow path of taking the lock, after try_lock failed: waits for this
  // thread's turn and takes it. False, with the exception set, when this
  // thread already holds the lock (RuntimeError) or as for wait_turn.
  bool lock_contended();

  // Free, nobody waiting, not marked failed: taking it now would succeed at
  // once. A step that keeps the GIL and runs no Python code may then read the
  // guarded data without taking it (DatabaseShare::read_idle).
  bool idle() const noexcept { return std::bit_cast<std::uint64_t>(state_) == 0; }

  bool failed() const noexcept { return state_.failed; }
  void mark_failed() noexcept { state_.failed = true; }

 private:
  // Free for anyone when nobody waits; otherwise only for the thread whose
  // turn has just come (served_).
  bool available_to(std::uintptr_t thread) const noexcept {
    return !state_.locked && (state_.waiters == 0 || served_ == thread);
  }
  bool wait_for_turn();
  bool would_deadlock(std::uintptr_t self) const;
  // Queues this thread. False with the exception set.
  bool join_queue(std::uintptr_t self);
  void leave_queue(std::uintptr_t self) noexcept;
  // Forgets the waiters and the holder that a fork() left behind. False with
  // RuntimeError set when the lock is held by a thread that cannot release it.
  bool check_holder(std::uintptr_t self);
  // Wakes the thread that has waited longest, to look at the lock again.
  void wake_waiters() noexcept;

  // Read and changed only with the GIL held, which orders every access. A
  // waiting thread drops the GIL and sleeps until the lock may be its to take.
  // What idle() reads, in one word that is 0 exactly when the lock is idle.
  struct State {
    std::uint32_t waiters = 0;  // threads waiting for their turn
    bool locked = false;
    bool failed = false;  // set by mark_failed
    std::uint16_t zero = 0;
  };
  static_assert(sizeof(State) == sizeof(std::uint64_t));
  State state_;
  std::uint32_t epoch_ = 0;    // g_fork_epoch when the fields below were set
  std::uintptr_t owner_ = 0;   // this_thread_id() of the holder, 0 when free
  std::uintptr_t served_ = 0;  // the waiter whose turn came, until it locks
  bool orphaned_ = false;  // held by a thread that a fork() left behind
};

}  // namespace quorvane::py
