// The module pyquorvane: single-phase initialization in the main interpreter.
// Its only attributes are the class Quorvane, __all__ == ["Quorvane"] and an
// empty docstring. A later initialization in the same process returns the
// same module object; one from a subinterpreter fails with ImportError.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "binding/database_lock.h"
#include "binding/dict_watch.h"
#include "binding/errors.h"
#include "binding/key_cache.h"
#include "binding/py_ref.h"
#include "binding/thread_exit.h"
#include "binding/types.h"

namespace quorvane::py {
namespace {

// Strong reference to the one module object; reset after finalization.
PyObject* g_module = nullptr;
bool g_at_exit_registered = false;

// m_size 0 (not -1): the interpreter then calls PyInit_pyquorvane again on a
// re-import instead of copying the module's dict into a new module object.
PyModuleDef kModuleDef = {
    .m_base = PyModuleDef_HEAD_INIT,
    .m_name = "pyquorvane",
    .m_doc = "",
    .m_size = 0,
    .m_methods = nullptr,
    .m_slots = nullptr,
    .m_traverse = nullptr,
    .m_clear = nullptr,
    .m_free = nullptr,
};

// Runs after Py_FinalizeEx, when every object is gone: forgets the pointers.
void forget_module_objects() {
  g_module = nullptr;
  forget_quorvane_type();
  forget_collection_type();
  forget_panic_exception();
  forget_dict_watcher();
  forget_key_cache();
}

PyObject* create_module() {
  if (!init_panic_exception()) return nullptr;
  watch_for_shutdown();
  watch_for_fork();
  init_dict_watcher();
  PyObject* type = quorvane_type();
  if (!type) return nullptr;
  OwnedRef module{PyModule_Create(&kModuleDef)};
  if (!module) return nullptr;
  if (PyModule_AddObjectRef(module.get(), "Quorvane", type) < 0) return nullptr;
  OwnedRef all{Py_BuildValue("[s]", "Quorvane")};
  if (!all || PyModule_AddObjectRef(module.get(), "__all__", all.get()) < 0) return nullptr;
  return module.release();
}

PyObject* init_module() {
  return guarded([]() -> PyObject* {
    if (PyInterpreterState_Get() != PyInterpreterState_Main()) {
      return raise(PyExc_ImportError, "pyquorvane can only be imported in the main interpreter");
    }
    if (!g_module) {
      if (!g_at_exit_registered) g_at_exit_registered = Py_AtExit(forget_module_objects) == 0;
      g_module = create_module();
      if (!g_module) return nullptr;
    }
    return Py_NewRef(g_module);
  });
}

}  // namespace
}  // namespace quorvane::py

PyMODINIT_FUNC PyInit_pyquorvane() {
  return quorvane::py::init_module();
}
