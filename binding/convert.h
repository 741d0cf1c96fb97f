// Conversions between stored values and Python objects. Both copy: the result
// shares nothing with its source. Both recurse through containers under
// Py_EnterRecursiveCall, so a self-containing list or dict, or nesting deeper
// than the interpreter's recursion limit, raises RecursionError; so does a
// value from Python that nests more than kMaxNestingDepth (512) lists and
// dicts, the limit of values read from files. Need the GIL; keep no state
// between calls.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cmath>
#include <cstdint>
#include <expected>

#include "core/value/data_type.h"

namespace quorvane::py {

// A new reference to the Python form of `value`: Id and Text as str, Number
// and Boolean as float, Array as list, Document as dict. nullptr with an error
// set when the interpreter fails to create an object or the depth limit is hit.
PyObject* datatype_to_py_any(const DataType& value);
inline PyObject* datatype_to_py(const DataType& value) {
  // A number, the most common stored value, is made here without a call.
  if (value.is(DataType::Kind::kNumber)) {
    return PyFloat_FromDouble(static_cast<double>(value.as_number()));
  }
  return datatype_to_py_any(value);
}

// Why py_to_datatype failed; a Python error is set in both cases.
enum class ConvertFailure : std::uint8_t {
  kRaised,    // an ordinary error: unsupported object, bad dict key, RecursionError, ...
  kPanicked,  // the panic exception: a dict changed while it was being converted
};

// The value for `object` (borrowed), tried in this order: str -> Text; a float
// conversion (PyFloat_AsDouble) -> Number; bool or a numpy bool -> Boolean;
// list -> Array; dict (str keys only) -> Document; else ValueError
// "Unsupported data type". May run the object's own Python code (__float__,
// __index__, __bool__). Errors of a failed test are dropped, except those
// that are no Exception (KeyboardInterrupt, SystemExit, ...) and MemoryError,
// which end the conversion. Nothing partial is ever returned.
std::expected<DataType, ConvertFailure> py_to_datatype(PyObject* object);

// `value` rounded to the nearest float, ties to even; overflow gives an
// infinity of the same sign, underflow a zero of the same sign, NaN stays NaN.
inline float narrow_to_float(double value) noexcept {
  // Halfway between FLT_MAX and 2^128: from here on, rounding goes to infinity.
  constexpr double kOverflowFrom = 0x1.ffffffp127;
  if (std::fabs(value) >= kOverflowFrom) {
    return std::signbit(value) ? -INFINITY : INFINITY;  // also for an infinite input
  }
  return static_cast<float>(value);  // in range: IEEE round-to-nearest-even
}

}  // namespace quorvane::py
