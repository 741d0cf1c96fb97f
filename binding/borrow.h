// BorrowState refuses re-entrant use of one Python object; BorrowGuard holds
// a borrow for its lifetime. Read and changed only with the GIL held, which
// makes each check-and-update atomic with respect to other threads.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <utility>

#include "binding/thread_exit.h"

namespace quorvane::py {

// The borrow state of one Python object: unborrowed, shared by a count of
// calls in progress, or exclusive.
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
  bool unborrowed() const noexcept { return state_.load(std::memory_order_relaxed) == 0; }
  void release_shared() noexcept {
    state_.store(state_.load(std::memory_order_relaxed) - 1, std::memory_order_relaxed);
  }
  void release_exclusive() noexcept { state_.store(0, std::memory_order_relaxed); }

 private:
  std::atomic<int> state_{0};  // -1 exclusive, 0 free, n > 0 shared by n calls
};

// Holds a shared or exclusive borrow for its lifetime (a thread ended at
// interpreter exit keeps it). A failed borrow is an
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
    if (!state_ || ending_at_exit()) return;
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
