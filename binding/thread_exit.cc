#include "binding/thread_exit.h"

#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

PyObject* note_shutdown(PyObject*, PyObject*) noexcept {
  g_shutting_down.store(true, std::memory_order_relaxed);
  Py_RETURN_NONE;
}

PyMethodDef kNoteShutdown = {"_quorvane_shutdown", note_shutdown, METH_NOARGS, nullptr};

}  // namespace

void watch_for_shutdown() {
  OwnedRef atexit_module{PyImport_ImportModule("atexit")};
  OwnedRef callback{atexit_module ? PyCFunction_New(&kNoteShutdown, nullptr) : nullptr};
  OwnedRef done{callback ? PyObject_CallMethod(atexit_module.get(), "register", "O",
                                               callback.get())
                         : nullptr};
  if (!done) {
    PyErr_Clear();
    g_shutting_down.store(true, std::memory_order_relaxed);
  }
}

}  // namespace quorvane::py
