// this_thread_id(): a number that identifies the calling thread among the
// live threads of the process, never 0. Cheap enough for every lock attempt.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>

namespace quorvane::py {

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

}  // namespace quorvane::py
