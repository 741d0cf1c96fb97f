// Module initialisation (placeholder frame; the classes come next).
#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace {

PyModuleDef kModuleDef = {
    .m_base = PyModuleDef_HEAD_INIT,
    .m_name = "pyquorvane",
    .m_doc = "",
    .m_size = -1,
    .m_methods = nullptr,
    .m_slots = nullptr,
    .m_traverse = nullptr,
    .m_clear = nullptr,
    .m_free = nullptr,
};

}  // namespace

PyMODINIT_FUNC PyInit_pyquorvane() { return PyModule_Create(&kModuleDef); }
