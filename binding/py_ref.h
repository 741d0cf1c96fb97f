// Owning holder of one strong reference to a Python object. Moves, never
// copies; drops its reference in the destructor. release() hands the
// reference to the caller (for example to a slot that steals it). Needs the
// GIL wherever the reference may be dropped. Dropping a reference may run
// Python code (a finalizer), so neither the destructor nor the assignment is
// noexcept; a thread ended at interpreter exit drops nothing (thread_exit.h).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <utility>

#include "binding/thread_exit.h"

namespace quorvane::py {

class OwnedRef {
 public:
  OwnedRef() = default;
  // Takes over `object`, a new reference or nullptr.
  explicit OwnedRef(PyObject* object) noexcept : ptr_(object) {}
  OwnedRef(OwnedRef&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  OwnedRef& operator=(OwnedRef&& other) {
    if (this != &other) {
      Py_XDECREF(ptr_);
      ptr_ = std::exchange(other.ptr_, nullptr);
    }
    return *this;
  }
  OwnedRef(const OwnedRef&) = delete;
  OwnedRef& operator=(const OwnedRef&) = delete;
  ~OwnedRef() noexcept(false) {
    if (ptr_ && !ending_at_exit()) Py_DECREF(ptr_);
  }

  // A new strong reference to a borrowed `object`.
  static OwnedRef borrow(PyObject* object) noexcept { return OwnedRef(Py_XNewRef(object)); }

  PyObject* get() const noexcept { return ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }
  // Gives up ownership: the caller now owns the reference.
  [[nodiscard]] PyObject* release() noexcept { return std::exchange(ptr_, nullptr); }

 private:
  PyObject* ptr_ = nullptr;
};

}  // namespace quorvane::py
