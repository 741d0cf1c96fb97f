// The instance data of the two Python classes, Quorvane (one database) and
// Collection (one named collection of a database), and the functions that
// create the classes and their objects. Both are heap types named in
// "builtins" that cannot be subclassed; their instances have no __dict__ and
// no weak references. Objects may be used from any thread that holds the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "binding/borrow.h"
#include "binding/handle.h"
#include "binding/py_ref.h"

namespace quorvane::py {

struct PyQuorvane {
  PyObject ob_base;
  BorrowState borrow;
  DatabaseShare database;  // set at creation, never replaced
};

struct PyCollection {
  PyObject ob_base;
  BorrowState borrow;
  DatabaseShare database;  // the database of the Quorvane object that made it
  std::string name;        // the name given to get_collection; never changes
  // Position of the first collection called `name`. Collections are never
  // removed or reordered, so the position found once stays right.
  std::size_t position;
  // Whether the last value this object's get found was a number: a get makes
  // the float for its result before the lookup only then.
  bool expects_number;
  // The float the last get of a number returned, or empty: the next get
  // reuses it when its caller has let it go.
  OwnedRef spare_float;
};

// Creates the class Quorvane once per process. Borrowed reference, or nullptr
// with an error set.
PyObject* quorvane_type() noexcept;

// A new Collection object for the collection at `position`, holding `share`.
// Creates the class Collection at the first call. New reference, or nullptr
// with the panic exception set; throws std::bad_alloc when the name's copy
// cannot be made.
PyObject* new_collection(const DatabaseShare& share, std::string_view name,
                         std::size_t position);

// Drops the process-wide class objects after the interpreter has finalized,
// so that a later initialization in the same process starts afresh.
void forget_quorvane_type() noexcept;
void forget_collection_type() noexcept;

}  // namespace quorvane::py
