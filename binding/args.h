// Argument binding shared by every member of both classes and by tp_new.
// Every parameter is positional-or-keyword and required; nothing else is
// accepted. A call that does not fit raises TypeError with the interpreter's
// usual wording, checked in this order: too many positional arguments, then
// each keyword in call order (unknown name, or a parameter already filled),
// then missing parameters. Needs the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <array>
#include <optional>
#include <string_view>

namespace quorvane::py {

struct Signature {
  static constexpr Py_ssize_t kMaxParams = 2;
  const char* full_name;  // "Class.member", used in messages as "Class.member()"
  std::array<const char*, kMaxParams> names;
  Py_ssize_t count;
};

// Binds a vectorcall: on success out[i] is a borrowed reference to the
// argument of parameter i. False with TypeError set otherwise.
bool bind_args_slow(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                    PyObject* kwnames, PyObject** out) noexcept;

// Fast path: the exact positional arity and no keywords allocate nothing.
inline bool bind_args(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                      PyObject* kwnames, PyObject** out) noexcept {
  if (nargs == sig.count && kwnames == nullptr) [[likely]] {
    for (Py_ssize_t i = 0; i < nargs; ++i) out[i] = args[i];
    return true;
  }
  return bind_args_slow(sig, args, nargs, kwnames, out);
}

// Binds a tp_new / tp_call style call: a positional tuple and a keyword dict
// (or nullptr). Same rules and messages as bind_args.
bool bind_tuple_args(const Signature& sig, PyObject* args, PyObject* kwargs,
                     PyObject** out) noexcept;

// The UTF-8 text of `text`, a str or an instance of a subclass, valid while
// it lives; no copy is made. Compact ASCII strings are read in place. Empty,
// with the interpreter's UnicodeEncodeError set, for a lone surrogate.
inline std::optional<std::string_view> utf8_of(PyObject* text) noexcept {
  if (PyUnicode_IS_COMPACT_ASCII(text)) [[likely]] {
    return std::string_view(static_cast<const char*>(PyUnicode_DATA(text)),
                            static_cast<std::size_t>(PyUnicode_GET_LENGTH(text)));
  }
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(text, &size);
  if (!data) return std::nullopt;
  return std::string_view(data, static_cast<std::size_t>(size));
}

// The UTF-8 text of a str argument (str or a subclass), valid while `object`
// lives; no copy is made. Otherwise TypeError "argument '<param>': '<type
// qualname>' object cannot be converted to 'PyString'". A str holding a lone
// surrogate raises the interpreter's own UnicodeEncodeError.
std::optional<std::string_view> as_utf8_slow(PyObject* object, const char* param) noexcept;
inline std::optional<std::string_view> as_utf8(PyObject* object, const char* param) noexcept {
  if (PyUnicode_Check(object)) [[likely]]
    return utf8_of(object);
  return as_utf8_slow(object, param);
}

// Raises the TypeError of a value that should have been a str (without the
// "argument '...': " prefix). Returns nullptr.
PyObject* raise_not_a_string(PyObject* object) noexcept;

}  // namespace quorvane::py
