#include "binding/args.h"

#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

Py_ssize_t find_param(const Signature& sig, PyObject* keyword) {
  if (!PyUnicode_Check(keyword)) return -1;
  for (Py_ssize_t i = 0; i < sig.count; ++i) {
    if (PyUnicode_CompareWithASCIIString(keyword, sig.names[static_cast<std::size_t>(i)]) == 0) {
      return i;
    }
  }
  return -1;
}

bool raise_too_many(const Signature& sig, Py_ssize_t given) {
  PyErr_Format(PyExc_TypeError, "%s() takes %zd positional arguments but %zd %s given",
               sig.full_name, sig.count, given, given == 1 ? "was" : "were");
  return false;
}

// Fills out[] from one keyword; false with TypeError set when it does not fit.
bool bind_keyword(const Signature& sig, PyObject* keyword, PyObject* value, PyObject** out) {
  const Py_ssize_t index = find_param(sig, keyword);
  if (index < 0) {
    PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%S'", sig.full_name,
                 keyword);
    return false;
  }
  if (out[index]) {
    PyErr_Format(PyExc_TypeError, "%s() got multiple values for argument '%s'", sig.full_name,
                 sig.names[static_cast<std::size_t>(index)]);
    return false;
  }
  out[index] = value;
  return true;
}

// "'a'", "'a' and 'b'", "'a', 'b' and 'c'" for the unfilled parameters.
bool check_missing(const Signature& sig, PyObject** out) {
  Py_ssize_t missing = 0;
  for (Py_ssize_t i = 0; i < sig.count; ++i) missing += out[i] ? 0 : 1;
  if (missing == 0) return true;
  OwnedRef names{PyUnicode_FromString("")};
  Py_ssize_t listed = 0;
  for (Py_ssize_t i = 0; i < sig.count && names; ++i) {
    if (out[i]) continue;
    const char* sep = listed == 0 ? "" : (listed + 1 == missing ? " and " : ", ");
    names = OwnedRef{
        PyUnicode_FromFormat("%U%s'%s'", names.get(), sep, sig.names[static_cast<std::size_t>(i)])};
    ++listed;
  }
  if (!names) return false;
  PyErr_Format(PyExc_TypeError, "%s() missing %zd required positional argument%s: %U",
               sig.full_name, missing, missing == 1 ? "" : "s", names.get());
  return false;
}

}  // namespace

bool bind_args_slow(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                    PyObject* kwnames, PyObject** out) noexcept {
  if (nargs > sig.count) return raise_too_many(sig, nargs);
  for (Py_ssize_t i = 0; i < sig.count; ++i) out[i] = i < nargs ? args[i] : nullptr;
  const Py_ssize_t nkw = kwnames ? PyTuple_GET_SIZE(kwnames) : 0;
  for (Py_ssize_t j = 0; j < nkw; ++j) {
    if (!bind_keyword(sig, PyTuple_GET_ITEM(kwnames, j), args[nargs + j], out)) return false;
  }
  return check_missing(sig, out);
}

bool bind_tuple_args(const Signature& sig, PyObject* args, PyObject* kwargs,
                     PyObject** out) noexcept {
  const Py_ssize_t nargs = PyTuple_GET_SIZE(args);
  if (nargs > sig.count) return raise_too_many(sig, nargs);
  for (Py_ssize_t i = 0; i < sig.count; ++i) {
    out[i] = i < nargs ? PyTuple_GET_ITEM(args, i) : nullptr;
  }
  if (kwargs) {
    Py_ssize_t pos = 0;
    PyObject* keyword = nullptr;
    PyObject* value = nullptr;
    while (PyDict_Next(kwargs, &pos, &keyword, &value)) {
      if (!bind_keyword(sig, keyword, value, out)) return false;
    }
  }
  return check_missing(sig, out);
}

PyObject* raise_not_a_string(PyObject* object) noexcept {
  OwnedRef qualname{PyType_GetQualName(Py_TYPE(object))};
  if (!qualname) return nullptr;
  PyErr_Format(PyExc_TypeError, "'%U' object cannot be converted to 'PyString'", qualname.get());
  return nullptr;
}

std::optional<std::string_view> as_utf8_slow(PyObject* object, const char* param) noexcept {
  if (PyUnicode_Check(object)) return utf8_of(object);
  OwnedRef qualname{PyType_GetQualName(Py_TYPE(object))};
  if (qualname) {
    PyErr_Format(PyExc_TypeError, "argument '%s': '%U' object cannot be converted to 'PyString'",
                 param, qualname.get());
  }
  return std::nullopt;
}

}  // namespace quorvane::py
