// Threads ended at interpreter exit. While the interpreter finalizes, Python
// 3.12 and 3.13 end any other thread that tries to take the GIL back
// (PyEval_RestoreThread, or the interpreter's own periodic switch while it
// runs Python code) with pthread_exit, which unwinds the thread's stack as a
// C++ forced unwind (abi::__forced_unwind). That unwind must pass through
// every frame of the binding between such a GIL re-take and the interpreter:
//   - no such frame may be noexcept (the unwind would end in std::terminate);
//   - a catch (...) rethrows it (a forced unwind that is caught and not
//     rethrown ends in std::terminate). It carries no C++ object, so
//     std::current_exception() is empty there: is_foreign_exception().
//   - a destructor must not touch the interpreter, Python objects or state
//     that the GIL guards: the thread does not hold the GIL, and its thread
//     state may already be freed. Guards test ending_at_exit() first.
// Other threads see such a thread's locks and borrows as never released.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <exception>

namespace quorvane::py {

// Set when the interpreter starts to shut down (an atexit callback), before
// it ends any thread; from then on guards look at their thread's state.
inline std::atomic<bool> g_shutting_down{false};

// Whether the calling thread has no interpreter thread state while the
// interpreter shuts down, which in a guard's destructor means that the thread
// is being ended. One relaxed load until shutdown starts.
inline bool ending_at_exit() noexcept {
  if (!g_shutting_down.load(std::memory_order_relaxed)) [[likely]]
    return false;
#if PY_VERSION_HEX >= 0x030D0000
  return PyThreadState_GetUnchecked() == nullptr;
#else
  return _PyThreadState_UncheckedGet() == nullptr;
#endif
}

// Inside a catch (...): whether the exception is not a C++ one, such as the
// forced unwind that ends a thread. It must be rethrown untouched.
inline bool is_foreign_exception() noexcept { return !std::current_exception(); }

// Registers the atexit callback that sets g_shutting_down. When that fails
// the flag is set at once (guards then always look), and no error is left.
void watch_for_shutdown();

// Whether the interpreter is finalizing: every thread but the calling one is
// ended when it next tries to take the GIL. Needs the GIL.
inline bool interpreter_finalizing() noexcept {
#if PY_VERSION_HEX >= 0x030D0000
  return Py_IsFinalizing() != 0;
#else
  return _Py_IsFinalizing() != 0;
#endif
}

}  // namespace quorvane::py
