// Giving up the GIL around work that touches no Python object, and taking it
// back briefly from inside that work (the hooks of a load).
//
// The thread state set aside is the calling thread's: it is kept in a
// thread-local, so that hooks, which are plain functions, find it. Code run
// with the GIL taken back may release it again (a load inside a signal
// handler): the thread state is the same. Not noexcept, and no destructor
// touches the interpreter on a thread being ended at exit (thread_exit.h).
// REQUIRES of both: the calling thread has a thread state.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "binding/thread_exit.h"

namespace quorvane::py {

inline thread_local PyThreadState* t_released_state = nullptr;

// Runs `body` without the GIL and returns what it returns, the GIL held
// again. Taking it back happens in no destructor: it may end the thread at
// interpreter exit, by an unwind that must not start in one. REQUIRES: the GIL.
template <class Body>
auto without_gil(Body&& body) {
  PyThreadState* const outer = t_released_state;
  t_released_state = PyEval_SaveThread();
  auto take_back = [&] {
    PyEval_RestoreThread(t_released_state);  // may end the thread at interpreter exit
    t_released_state = outer;
  };
  try {
    auto result = body();
    take_back();
    return result;
  } catch (...) {
    if (is_foreign_exception()) throw;  // the thread is being ended
    take_back();
    throw;
  }
}

// Runs `body` with the GIL held, inside without_gil on this thread, and
// gives the GIL up again on every way out but the end of the thread.
template <class Body>
auto with_gil(Body&& body) {
  PyEval_RestoreThread(t_released_state);  // may end the thread at interpreter exit
  struct ReleaseAgain {
    ReleaseAgain() = default;
    ReleaseAgain(const ReleaseAgain&) = delete;
    ReleaseAgain& operator=(const ReleaseAgain&) = delete;
    ~ReleaseAgain() {
      if (!ending_at_exit()) t_released_state = PyEval_SaveThread();
    }
  } again;
  return body();
}

}  // namespace quorvane::py
