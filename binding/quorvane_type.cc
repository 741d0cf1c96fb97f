// The class Quorvane: construction, load, get_version, create_collection,
// list_collections and get_collection. Every member binds its arguments,
// takes its borrow, converts its arguments and only then runs, in that order.
#include "binding/types.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "binding/args.h"
#include "binding/errors.h"
#include "binding/gil_release.h"
#include "binding/py_ref.h"
#include "core/load/load_file.h"

namespace quorvane::py {
namespace {

constexpr std::string_view kVersion = "0.2.0";

constexpr Signature kNewSig{"Quorvane.__new__", {}, 0};
constexpr Signature kLoadSig{"Quorvane.load", {"path"}, 1};
constexpr Signature kCreateCollectionSig{"Quorvane.create_collection", {"name"}, 1};
constexpr Signature kGetCollectionSig{"Quorvane.get_collection", {"name"}, 1};

// Strong reference, created with the module and kept for the process.
PyObject* g_quorvane_type = nullptr;

PyQuorvane* as_quorvane(PyObject* self) {
  return reinterpret_cast<PyQuorvane*>(self);
}

// A new Quorvane object around `share`. New reference, or nullptr with the
// panic exception set.
PyObject* new_quorvane(PyTypeObject* type, DatabaseShare share) {
  PyObject* self = type->tp_alloc(type, 0);
  if (!self) return panic_from_current();
  new (&as_quorvane(self)->borrow) BorrowState();
  new (&as_quorvane(self)->database) DatabaseShare(std::move(share));
  return self;
}

// Quorvane() -> a new, empty database.
PyObject* quorvane_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  return guarded([&]() -> PyObject* {
    PyObject* unused[1];
    if (!bind_tuple_args(kNewSig, args, kwargs, unused)) return nullptr;
    return new_quorvane(type, DatabaseShare::create(Database()));
  });
}

void quorvane_dealloc(PyObject* self) noexcept {
  PyTypeObject* type = Py_TYPE(self);
  as_quorvane(self)->database.~DatabaseShare();
  as_quorvane(self)->borrow.~BorrowState();
  type->tp_free(self);
  Py_DECREF(type);
}

// The load hooks. The load runs without the GIL; both take it back to run
// Python code, in the middle of a load whose state is all local, so that
// code may do anything, even load again. Not noexcept: taking the GIL back
// can meet the forced unwind of a finalizing interpreter.

// The exception that ended a flush and ends the load in progress on this
// thread (owned), until that load returns. A load run from a hook keeps its own.
// Only this thread reads or writes it, so it needs no GIL.
thread_local PyObject* t_load_stop = nullptr;

// Taking the GIL back costs up to the interpreter's switch interval while
// another thread runs Python code, so the signal hook takes it no more often
// than this: Ctrl-C still ends a load within about a tenth of a second.
constexpr std::chrono::milliseconds kSignalCheckInterval{20};

// Whether no flush has ended the load in progress on this thread.
bool no_flush_stopped() { return !t_load_stop; }

// Runs the signal handlers while a load goes on: one that raises (Ctrl-C:
// KeyboardInterrupt) stops the load with its exception set.
bool no_signal_raised() {
  if (t_load_stop) return false;
  static thread_local std::chrono::steady_clock::time_point next_check;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_check) return true;
  next_check = now + kSignalCheckInterval;
  return with_gil([] { return PyErr_CheckSignals() == 0; });
}
// Whether signal handlers run on the calling thread: only the main thread of
// the main interpreter runs them, so elsewhere the signal hook would take the
// GIL for nothing. Needs the GIL; in doubt, true.
bool runs_signal_handlers() {
  if (PyInterpreterState_Get() != PyInterpreterState_Main()) return false;
  const OwnedRef name{PyUnicode_FromString("threading")};
  const OwnedRef threading{name ? PyImport_GetModule(name.get()) : nullptr};
  const OwnedRef main{threading ? PyObject_CallMethod(threading.get(), "main_thread", nullptr)
                                : nullptr};
  const OwnedRef ident{main ? PyObject_GetAttrString(main.get(), "ident") : nullptr};
  const unsigned long main_ident = ident ? PyLong_AsUnsignedLong(ident.get()) : 0;
  PyErr_Clear();
  return main_ident == 0 || main_ident == PyThread_get_thread_ident();
}

// Flushes sys.stdout, when it is an object that can be flushed, so that what
// the program printed before the load comes out before the load's messages,
// which go to file descriptor 1 directly. A flush that fails with an
// Exception is ignored; one ended by anything else (Ctrl-C's
// KeyboardInterrupt, SystemExit) ends the load with it, nothing printed.
bool flush_python_stdout() {
  PyObject* out = PySys_GetObject("stdout");  // borrowed
  if (!out || out == Py_None) return true;
  const OwnedRef hold = OwnedRef::borrow(out);
  OwnedRef flushed{PyObject_CallMethod(out, "flush", nullptr)};
  if (flushed) return true;
  if (PyErr_ExceptionMatches(PyExc_Exception)) {
    PyErr_Clear();
    return true;
  }
  t_load_stop = PyErr_GetRaisedException();
  return false;
}

// Gives this thread's load a stop of its own, and puts back the stop of the
// load that was in progress, if any.
class LoadStopScope {
 public:
  LoadStopScope() noexcept : outer_(std::exchange(t_load_stop, nullptr)) {}
  LoadStopScope(const LoadStopScope&) = delete;
  LoadStopScope& operator=(const LoadStopScope&) = delete;
  ~LoadStopScope() noexcept(false) {  // dropping the stop may run a finalizer
    if (ending_at_exit()) return;
    Py_XDECREF(std::exchange(t_load_stop, outer_));
  }
  // Raises the exception that ended a flush, if one did. False when it raised.
  bool go_on() noexcept {
    if (!t_load_stop) return true;
    PyErr_SetRaisedException(std::exchange(t_load_stop, nullptr));  // steals
    return false;
  }

 private:
  PyObject* outer_;
};

// Quorvane.load(path) -> a new Quorvane object holding the database read from
// `path`. Static: no borrow, no lock (the new database is not shared yet).
// The file is read and parsed without the GIL, on a copy of the path: no
// Python object is touched until the GIL is back.
PyObject* quorvane_load(PyObject*, PyObject* const* args, Py_ssize_t nargs,
                        PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    PyObject* arg[1];
    if (!bind_args(kLoadSig, args, nargs, kwnames, arg)) return nullptr;
    std::optional<std::string_view> path = as_utf8(arg[0], "path");
    if (!path) return nullptr;
    // The operating system would read a path only up to its first NUL: such a
    // path names another file than the one given, so it is refused.
    if (path->find('\0') != std::string_view::npos) {
      return raise(PyExc_FileNotFoundError, "Path can't be loaded");
    }
    LoadStopScope stop;
    const std::string path_copy(*path);
    const LoadHooks hooks{runs_signal_handlers() ? no_signal_raised : no_flush_stopped,
                          [] { return with_gil(flush_python_stdout); }};
    std::expected<Database, Error> database =
        without_gil([&] { return load_database_file(path_copy, hooks); });
    if (!stop.go_on()) return nullptr;  // the database, if any, is dropped
    if (!database) {
      if (database.error() == Error::kReadInterrupted) return nullptr;  // the handler's error
      return raise(PyExc_FileNotFoundError, "Path can't be loaded");
    }
    return new_quorvane(reinterpret_cast<PyTypeObject*>(g_quorvane_type),
                        DatabaseShare::create(std::move(*database)));
  });
}

// Quorvane.get_version() -> "0.2.0". Touches neither the database nor its lock.
PyObject* quorvane_get_version(PyObject* self, PyObject*) {
  return guarded([&]() -> PyObject* {
    BorrowGuard borrow = BorrowGuard::shared(as_quorvane(self)->borrow);
    if (!borrow) return nullptr;
    PyObject* version =
        PyUnicode_FromStringAndSize(kVersion.data(), static_cast<Py_ssize_t>(kVersion.size()));
    return version ? version : panic_from_current();
  });
}

// Quorvane.create_collection(name) -> None.
PyObject* quorvane_create_collection(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                     PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    PyObject* arg[1];
    if (!bind_args(kCreateCollectionSig, args, nargs, kwnames, arg)) return nullptr;
    if (!as_quorvane(self)->database.wait_turn()) return nullptr;
    BorrowGuard borrow = BorrowGuard::exclusive(as_quorvane(self)->borrow);
    if (!borrow) return nullptr;
    std::optional<std::string_view> name = as_utf8(arg[0], "name");
    if (!name) return nullptr;
    return with_lock(as_quorvane(self)->database, Access::kChange, [&](DbLock& db) -> PyObject* {
      if (!db->create_collection(*name))
        return raise(PyExc_ValueError, "Collection already exists");
      Py_RETURN_NONE;
    });
  });
}

// Quorvane.list_collections() -> the names in database order, duplicates
// included. The str objects are made after the lock is released.
PyObject* quorvane_list_collections(PyObject* self, PyObject*) {
  return guarded([&]() -> PyObject* {
    if (!as_quorvane(self)->database.wait_turn()) return nullptr;
    BorrowGuard borrow = BorrowGuard::shared(as_quorvane(self)->borrow);
    if (!borrow) return nullptr;
    std::vector<std::string> names;
    {
      DbLock db = as_quorvane(self)->database.lock();
      if (!db) return nullptr;
      names = db->list_collections();
    }
    OwnedRef list{PyList_New(static_cast<Py_ssize_t>(names.size()))};
    if (!list) return panic_from_current();
    for (std::size_t i = 0; i < names.size(); ++i) {
      PyObject* name =
          PyUnicode_FromStringAndSize(names[i].data(), static_cast<Py_ssize_t>(names[i].size()));
      if (!name) return panic_from_current();
      PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), name);  // steals
    }
    return list.release();
  });
}

// get_collection with the borrow and the lock taken.
[[gnu::noinline]] PyObject* get_collection_locked(PyObject* self, PyObject* const* args,
                                                  Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    PyObject* arg[1];
    if (!bind_args(kGetCollectionSig, args, nargs, kwnames, arg)) return nullptr;
    if (!as_quorvane(self)->database.wait_turn()) return nullptr;
    BorrowGuard borrow = BorrowGuard::exclusive(as_quorvane(self)->borrow);
    if (!borrow) return nullptr;
    std::optional<std::string_view> name = as_utf8(arg[0], "name");
    if (!name) return nullptr;
    std::size_t position = 0;
    {
      DbLock db = as_quorvane(self)->database.lock();
      if (!db) return nullptr;
      std::optional<std::size_t> found = db->find_collection(*name);
      if (!found) return raise(PyExc_ValueError, "error getting collection");
      position = *found;
    }
    return new_collection(as_quorvane(self)->database, *name, position);
  });
}

// Quorvane.get_collection(name) -> a new Collection object for the first
// collection of that name. In the common case (one positional compact ASCII
// str, `self` unborrowed, the lock idle) the name is found without taking the
// borrow and the lock: finding runs no Python code and keeps the GIL, so no
// other user can come between; making the object afterwards needs neither.
// Everything else, a missing name too, takes get_collection_locked, which
// gives every message and refusal.
PyObject* quorvane_get_collection(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                  PyObject* kwnames) {
  if (nargs != 1 || kwnames != nullptr) [[unlikely]]
    return get_collection_locked(self, args, nargs, kwnames);
  PyObject* name = args[0];
  PyQuorvane* quorvane = as_quorvane(self);
  if (!PyUnicode_Check(name) || !PyUnicode_IS_COMPACT_ASCII(name) ||
      !quorvane->borrow.unborrowed()) [[unlikely]]
    return get_collection_locked(self, args, 1, nullptr);
  const Database* db = quorvane->database.read_idle();
  if (!db) [[unlikely]] return get_collection_locked(self, args, 1, nullptr);
  // A compact ASCII str keeps its characters right after its header.
  const auto* header = reinterpret_cast<const PyASCIIObject*>(name);
  const std::string_view text(reinterpret_cast<const char*>(header + 1),
                              static_cast<std::size_t>(header->length));
  const std::optional<std::size_t> found = db->find_collection(text);
  if (!found) [[unlikely]] return get_collection_locked(self, args, 1, nullptr);
  return guarded([&]() -> PyObject* {
    return new_collection(quorvane->database, text, *found);
  });
}

template <class F>
PyCFunction method(F* function) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(function));
}

PyMethodDef kQuorvaneMethods[] = {
    {"load", method(quorvane_load), METH_FASTCALL | METH_KEYWORDS | METH_STATIC,
     "load(path)\n--\n\n"},
    {"get_version", method(quorvane_get_version), METH_NOARGS, "get_version($self)\n--\n\n"},
    {"create_collection", method(quorvane_create_collection), METH_FASTCALL | METH_KEYWORDS,
     "create_collection($self, name)\n--\n\n"},
    {"list_collections", method(quorvane_list_collections), METH_NOARGS,
     "list_collections($self)\n--\n\n"},
    {"get_collection", method(quorvane_get_collection), METH_FASTCALL | METH_KEYWORDS,
     "get_collection($self, name)\n--\n\n"},
    {nullptr, nullptr, 0, nullptr},
};

constexpr const char* kQuorvaneDoc =
    "Quorvane()\n--\n\n"
    "A wrapper that exposes one in-memory Quorvane database to Python.";

PyType_Slot kQuorvaneSlots[] = {
    {Py_tp_new, reinterpret_cast<void*>(quorvane_new)},
    {Py_tp_dealloc, reinterpret_cast<void*>(quorvane_dealloc)},
    {Py_tp_methods, kQuorvaneMethods},
    {Py_tp_doc, const_cast<char*>(kQuorvaneDoc)},
    {0, nullptr},
};

PyType_Spec kQuorvaneSpec = {
    .name = "builtins.Quorvane",
    .basicsize = sizeof(PyQuorvane),
    .itemsize = 0,
    .flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE,
    .slots = kQuorvaneSlots,
};

}  // namespace

PyObject* quorvane_type() noexcept {
  if (!g_quorvane_type) g_quorvane_type = PyType_FromSpec(&kQuorvaneSpec);
  return g_quorvane_type;
}

void forget_quorvane_type() noexcept {
  g_quorvane_type = nullptr;
}

}  // namespace quorvane::py
