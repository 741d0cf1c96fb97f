// Raising exceptions from the binding: fixed-text errors, the module's panic
// exception (for broken internal invariants; it derives from BaseException so
// that `except Exception` does not catch it), and guarded(), the wrapper that
// every extern "C" entry point runs its body in so that no C++ exception ever
// reaches the interpreter. All functions need the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <cstdint>
#include <string_view>

#include "binding/thread_exit.h"
#include "binding/thread_id.h"

namespace quorvane::py {

// Sets `type` with the fixed `message`. Returns nullptr, for `return raise(...)`.
PyObject* raise(PyObject* type, const char* message) noexcept;

// Creates the panic exception class once per process. False with an error set
// when the interpreter cannot create it.
bool init_panic_exception() noexcept;

// Drops the class pointer after the interpreter has finalized.
void forget_panic_exception() noexcept;

// The panic exception class (borrowed), or nullptr before init_panic_exception.
PyObject* panic_exception_type() noexcept;

// Raises the panic exception carrying `message`. Returns nullptr.
PyObject* raise_panic(std::string_view message);

// The interpreter failed to make an object: replaces the error it set (if any)
// by the panic exception, keeping the original as __cause__, except that a
// MemoryError is left as it is. Returns nullptr.
PyObject* panic_from_current();

// Must be called inside a catch block: std::bad_alloc becomes MemoryError,
// every other C++ exception the panic exception.
void raise_from_cpp_exception();

// The C++ runtime makes a thread's exception state (and this module's
// thread-local data) on first use, with malloc; if that first use is the
// std::bad_alloc of an exhausted memory, the process aborts ("cannot allocate
// memory for thread-local data") instead of raising MemoryError. This makes
// both on a thread's first call into the module, while memory is still there.
//
// The per-call test reads one global word, the thread that called last (a
// thread-local flag of a loaded module costs a __tls_get_addr call): only a
// change of calling thread takes the slow path, which prepares a thread once.
// A thread clears the word when it ends, so that a new thread that reuses its
// thread pointer is not taken for a prepared one.
inline std::atomic<std::uintptr_t> g_prepared_thread{0};
void prepare_thread_slow() noexcept;
inline void prepare_thread() noexcept {
  if (g_prepared_thread.load(std::memory_order_relaxed) != this_thread_id()) [[unlikely]] {
    prepare_thread_slow();
  }
}

// Runs `body` (returning a new reference or nullptr with an error set) and
// turns any C++ exception that escapes it into a Python exception. Not
// noexcept: the unwind that ends a thread at interpreter exit passes through
// (thread_exit.h).
template <class Body>
PyObject* guarded(Body&& body) {
  prepare_thread();
  try {
    return body();
  } catch (...) {
    if (is_foreign_exception()) throw;
    raise_from_cpp_exception();
    return nullptr;
  }
}

}  // namespace quorvane::py
