// A dict made for a known number of items. The interpreter's presized
// constructor is private API, used only where the build found it declared and
// free of warnings (QUORVANE_HAVE_PRESIZED_DICT, binding/CMakeLists.txt);
// elsewhere an ordinary dict, which grows as it fills.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace quorvane::py {

// Returns a new reference, or nullptr with an exception set. Needs the GIL.
inline PyObject* new_dict_for([[maybe_unused]] Py_ssize_t items) {
#ifdef QUORVANE_HAVE_PRESIZED_DICT
  return _PyDict_NewPresized(items);
#else
  return PyDict_New();
#endif
}

}  // namespace quorvane::py
