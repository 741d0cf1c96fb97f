// RecursionGuard bounds the recursion of the value conversions: it takes one
// level of the interpreter's recursion budget (Py_EnterRecursiveCall) for its
// lifetime, and also refuses a level when the thread's own stack is nearly
// used up, which can come first in a thread started with a small stack size.
// Either way the guard is false and RecursionError is set. Needs the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "binding/thread_exit.h"

namespace quorvane::py {

// Whether less than a safety margin of the calling thread's stack is left.
bool stack_nearly_exhausted() noexcept;

class RecursionGuard {
 public:
  explicit RecursionGuard(const char* where) noexcept
      : entered_(Py_EnterRecursiveCall(where) == 0) {
    if (entered_ && stack_nearly_exhausted()) [[unlikely]] {
      Py_LeaveRecursiveCall();
      entered_ = false;
      PyErr_Format(PyExc_RecursionError, "maximum recursion depth exceeded%s", where);
    }
  }
  RecursionGuard(const RecursionGuard&) = delete;
  RecursionGuard& operator=(const RecursionGuard&) = delete;
  ~RecursionGuard() {
    if (entered_ && !ending_at_exit()) Py_LeaveRecursiveCall();
  }
  explicit operator bool() const noexcept { return entered_; }

 private:
  bool entered_;
};

}  // namespace quorvane::py
