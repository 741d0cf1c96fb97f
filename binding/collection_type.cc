// The class Collection: get, set, del and list on one named collection. Every
// member binds its arguments, takes its borrow, converts its str arguments,
// takes the database lock and finds its collection, then runs its own step;
// the lock and the borrow are given back on every path. A get while
// neither is held by anyone finds its value without taking them (idle_find).
#include "binding/types.h"

#include <cassert>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "binding/args.h"
#include "binding/convert.h"
#include "binding/errors.h"
#include "binding/key_cache.h"
#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

constexpr Signature kGetSig{"Collection.get", {"k"}, 1};
constexpr Signature kSetSig{"Collection.set", {"k", "v"}, 2};
constexpr Signature kDelSig{"Collection.del", {"key"}, 1};

// Strong reference, created by the first successful get_collection.
PyObject* g_collection_type = nullptr;

// Collection objects given up by collection_dealloc, kept for new_collection:
// making and freeing the object was most of the cost of get_collection,
// whose result is often used once. Their memory is the interpreter's, from
// tp_alloc; each holds no reference and no member. Needs the GIL.
constexpr std::size_t kFreeCollectionsMax = 16;
PyObject* g_free_collections[kFreeCollectionsMax];
std::size_t g_free_collection_count = 0;

PyCollection* as_collection(PyObject* self) {
  return reinterpret_cast<PyCollection*>(self);
}

// Runs step(DbLock&, Collection&) on the collection of `self`, under the lock.
template <class Step>
PyObject* on_collection(PyCollection* self, Access access, Step&& step) {
  return with_lock(self->database, access, [&](DbLock& db) -> PyObject* {
    std::vector<Collection>& collections = db->collections();
    if (self->position >= collections.size()) [[unlikely]] {
      return raise(PyExc_ValueError, "error getting collection");
    }
    assert(collections[self->position].name == self->name);
    return step(db, collections[self->position]);
  });
}

// The frame of the keyed members: binds the arguments, waits for the
// database, takes the exclusive borrow, reads the key (the first parameter)
// as UTF-8, then runs step(db, collection, key, args) under the lock.
template <class Step>
PyObject* keyed_member(PyObject* self, const Signature& sig, Access access,
                       PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames, Step&& step) {
  PyObject* arg[Signature::kMaxParams];
  if (!bind_args(sig, args, nargs, kwnames, arg)) return nullptr;
  PyCollection* collection = as_collection(self);
  if (!collection->database.wait_turn()) return nullptr;
  BorrowGuard borrow = BorrowGuard::exclusive(collection->borrow);
  if (!borrow) return nullptr;
  std::optional<std::string_view> key = as_utf8(arg[0], sig.names[0]);
  if (!key) return nullptr;
  return on_collection(collection, access, [&](DbLock& db, Collection& found) -> PyObject* {
    return step(db, found, *key, arg);
  });
}

// The result of get once made: a failure to make it is a panic, but for the
// depth limit of a deep value.
PyObject* got(PyObject* result) {
  if (result) return result;
  if (PyErr_ExceptionMatches(PyExc_RecursionError)) return nullptr;
  return panic_from_current();  // the interpreter failed to make an object
}

// The characters of `key` if it is a compact ASCII str (which keeps them
// right after its header), or nullopt.
std::optional<std::string_view> ascii_key(PyObject* key) noexcept {
  if (!PyUnicode_Check(key) || !PyUnicode_IS_COMPACT_ASCII(key)) return std::nullopt;
  const auto* header = reinterpret_cast<const PyASCIIObject*>(key);
  return std::string_view(reinterpret_cast<const char*>(header + 1),
                          static_cast<std::size_t>(header->length));
}

// The value stored under `key`, found without taking the borrow and the lock
// in the common case: `self` unborrowed and its database's lock idle.
// Finding runs no Python code and keeps the GIL, so no other user can come
// between. nullptr when the case does not apply or the key is missing: the
// general path then decides. Throws nothing (a collection's data is always a
// Document).
const DataType* idle_find(PyCollection* self, std::string_view key) noexcept {
  if (!self->borrow.unborrowed()) return nullptr;
  const Database* db = self->database.read_idle();
  if (!db) return nullptr;
  const std::vector<Collection>& collections = db->collections();
  // In bytes, which spares dividing by sizeof(Collection) to count them.
  const auto bytes = reinterpret_cast<std::uintptr_t>(collections.data() + collections.size()) -
                     reinterpret_cast<std::uintptr_t>(collections.data());
  if (self->position * sizeof(Collection) >= bytes) [[unlikely]] return nullptr;
  return collections[self->position].get(key);
}

// Makes the result of a value found by idle_find that is no number: making it
// may run Python code, so the borrow and the lock are taken first (both were
// idle and nothing has run since, so both are had at once).
[[gnu::noinline]] PyObject* get_found(PyCollection* self, const DataType& value) {
  return guarded([&]() -> PyObject* {
    BorrowGuard borrow = BorrowGuard::exclusive(self->borrow);
    if (!borrow) return nullptr;
    return with_lock(self->database, Access::kRead,
                     [&](DbLock&) -> PyObject* { return got(datatype_to_py(value)); });
  });
}

// get with the borrow and the lock taken.
[[gnu::noinline]] PyObject* get_locked(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                    PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    return keyed_member(self, kGetSig, Access::kRead, args, nargs, kwnames,
                        [](DbLock&, Collection& collection, std::string_view key,
                           PyObject**) -> PyObject* {
                          const DataType* value = collection.get(key);
                          if (!value) return raise(PyExc_ValueError, "error getting key");
                          return got(datatype_to_py(*value));
                        });
  });
}

// The float for a number's result, made before the lookup: the one the
// last get returned if its caller has let it go (this object's reference is
// then the only one, so nobody can see its value change), else a new one.
// Empty, with no error set, when none can be made: the float is then made
// after the lookup, and its failure reported.
OwnedRef float_for_result(PyCollection* self) noexcept {
  if (self->spare_float && Py_REFCNT(self->spare_float.get()) == 1) {
    return std::move(self->spare_float);
  }
  OwnedRef made(PyFloat_FromDouble(0.0));
  if (!made) [[unlikely]] PyErr_Clear();
  return made;
}

// The result of a get whose value is `number`: `made` (a float made for it
// before the lookup, or empty) filled in, or else a new float.
PyObject* number_result(OwnedRef& made, double number) {
  // Nobody else holds `made` (a new float, or the spare that only this
  // object held), so its value may still be set; that is checked.
  if (made && Py_REFCNT(made.get()) == 1) [[likely]] {
    reinterpret_cast<PyFloatObject*>(made.get())->ob_fval = number;
    return made.release();
  }
  // Making a float runs no Python code: it needs neither guard.
  if (PyObject* result = PyFloat_FromDouble(number)) return result;
  return guarded([] { return got(nullptr); });
}

// Collection.get(k) -> a new Python object made from the value under `k`.
// Making the result changes nothing stored: a failure leaves the database usable.
// The common case, a number, takes no guard; everything else goes to get_locked
// (out of line, as is get_found, so that the common case saves few registers).
//
// The float for a number is made before the lookup and filled in after it.
// At keys drawn at random from a large table the lookup's last read misses
// the cache, and the processor runs ahead of a miss only as far as its
// window of instructions reaches: with the float made after the lookup, the
// next call's reads fell outside it, and random gets took 1.2x to 1.4x as
// long as with the float made before (while the key's own miss is
// outstanding). A collection whose last value found was no number makes
// none in advance; a float made for nothing is dropped again.
PyObject* collection_get(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  if (nargs != 1 || kwnames != nullptr) [[unlikely]] return get_locked(self, args, nargs, kwnames);
  PyCollection* collection = as_collection(self);
  OwnedRef made;
  if (collection->expects_number) [[likely]] made = float_for_result(collection);
  const std::optional<std::string_view> key = ascii_key(args[0]);
  const DataType* value = key ? idle_find(collection, *key) : nullptr;
  if (value && value->is(DataType::Kind::kNumber)) [[likely]] {
    const double number = static_cast<double>(value->as_number());
    collection->expects_number = true;
    PyObject* result = number_result(made, number);
    // Kept for the next get, in place of the float kept before (dropping a
    // float runs no Python code).
    if (result) [[likely]] collection->spare_float = OwnedRef::borrow(result);
    return result;
  }
  made = OwnedRef();
  // Passing the known count and keywords keeps fewer registers across the lookup.
  if (!value) return get_locked(self, args, 1, nullptr);
  collection->expects_number = false;
  if (value->is(DataType::Kind::kText)) {
    // A short text is held in the value's own bytes: copied out, it is
    // read before anything can run, so its str needs neither guard.
    const std::string_view text = value->as_text();
    if (text.data() == reinterpret_cast<const char*>(value)) [[likely]] {
      char bytes[sizeof(DataType)];
      std::memcpy(bytes, value, sizeof bytes);
      if (PyObject* result = new_str({bytes, text.size()})) return result;
      return guarded([] { return got(nullptr); });
    }
  }
  return get_found(collection, *value);
}

// Collection.set(k, v) -> None. A value that cannot be converted stores nothing.
PyObject* collection_set(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    return keyed_member(self, kSetSig, Access::kChange, args, nargs, kwnames,
                        [](DbLock&, Collection& collection, std::string_view key,
                           PyObject** arg) -> PyObject* {
                          // Converting may run Python code; the lock keeps the collection
                          // in place. A failed conversion, a panic included, has changed
                          // nothing stored, so the lock is not marked failed.
                          std::expected<DataType, ConvertFailure> value = py_to_datatype(arg[1]);
                          if (!value) return nullptr;
                          collection.set(key, std::move(*value));
                          Py_RETURN_NONE;
                        });
  });
}

// Collection.del(key) -> None, whether or not the key was there.
PyObject* collection_del(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    return keyed_member(self, kDelSig, Access::kChange, args, nargs, kwnames,
                        [](DbLock&, Collection& collection, std::string_view key,
                           PyObject**) -> PyObject* {
                          collection.del(key);
                          Py_RETURN_NONE;
                        });
  });
}

// Collection.list() -> a new list of the keys, in the collection's own order.
// The keys are read from the collection itself; values are not copied. A
// failure to make the list leaves the database usable, as in get.
PyObject* collection_list(PyObject* self, PyObject*) {
  return guarded([&]() -> PyObject* {
    if (!as_collection(self)->database.wait_turn()) return nullptr;
    BorrowGuard borrow = BorrowGuard::shared(as_collection(self)->borrow);
    if (!borrow) return nullptr;
    const auto make_list = [](DbLock&, Collection& collection) -> PyObject* {
      const Document& entries = collection.entries();
      OwnedRef list{PyList_New(static_cast<Py_ssize_t>(entries.size()))};
      if (!list) return panic_from_current();
      Py_ssize_t index = 0;
      bool ok = true;
      entries.for_each([&](std::string_view key, const DataType&) {
        if (!ok) return;
        PyObject* name = new_str(key);  // a new str each: never one of the key cache
        ok = name != nullptr;
        if (ok) PyList_SET_ITEM(list.get(), index++, name);  // steals
      });
      return ok ? list.release() : panic_from_current();
    };
    return on_collection(as_collection(self), Access::kRead, make_list);
  });
}

PyObject* collection_new(PyTypeObject*, PyObject*, PyObject*) noexcept {
  return raise(PyExc_TypeError, "No constructor defined for Collection");
}

void collection_dealloc(PyObject* self) noexcept {
  PyTypeObject* type = Py_TYPE(self);
  PyCollection* collection = as_collection(self);
  collection->spare_float.~OwnedRef();  // a float: dropping it runs no Python code
  collection->name.~basic_string();
  collection->database.~DatabaseShare();
  collection->borrow.~BorrowState();
  if (g_free_collection_count < kFreeCollectionsMax &&
      type == reinterpret_cast<PyTypeObject*>(g_collection_type)) {
    g_free_collections[g_free_collection_count++] = self;
  } else {
    type->tp_free(self);
  }
  Py_DECREF(type);
}

template <class F>
PyCFunction method(F* function) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(function));
}

PyMethodDef kCollectionMethods[] = {
    {"get", method(collection_get), METH_FASTCALL | METH_KEYWORDS, "get($self, k)\n--\n\n"},
    {"set", method(collection_set), METH_FASTCALL | METH_KEYWORDS, "set($self, k, v)\n--\n\n"},
    {"del", method(collection_del), METH_FASTCALL | METH_KEYWORDS, "del($self, key)\n--\n\n"},
    {"list", method(collection_list), METH_NOARGS, "list($self)\n--\n\n"},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot kCollectionSlots[] = {
    {Py_tp_new, reinterpret_cast<void*>(collection_new)},
    {Py_tp_dealloc, reinterpret_cast<void*>(collection_dealloc)},
    {Py_tp_methods, kCollectionMethods},
    {0, nullptr},
};

PyType_Spec kCollectionSpec = {
    .name = "builtins.Collection",
    .basicsize = sizeof(PyCollection),
    .itemsize = 0,
    .flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE,
    .slots = kCollectionSlots,
};

}  // namespace

PyObject* new_collection(const DatabaseShare& share, std::string_view name,
                         std::size_t position) {
  if (!g_collection_type) {
    g_collection_type = PyType_FromSpec(&kCollectionSpec);
    if (!g_collection_type) return panic_from_current();
  }
  auto* type = reinterpret_cast<PyTypeObject*>(g_collection_type);
  PyObject* self;
  if (g_free_collection_count != 0) {
    self = PyObject_Init(g_free_collections[--g_free_collection_count], type);  // takes a type reference
  } else {
    self = type->tp_alloc(type, 0);
    if (!self) return panic_from_current();
  }
  PyCollection* collection = as_collection(self);
  // The name first, in place (one copy): only it can throw, and then the
  // object, holding nothing yet, is given back.
  try {
    new (&collection->name) std::string(name);
  } catch (...) {
    if (g_free_collection_count < kFreeCollectionsMax) {
      g_free_collections[g_free_collection_count++] = self;
    } else {
      type->tp_free(self);
    }
    Py_DECREF(type);
    throw;
  }
  new (&collection->borrow) BorrowState();
  new (&collection->database) DatabaseShare(share);
  new (&collection->spare_float) OwnedRef();
  collection->position = position;
  collection->expects_number = true;
  return self;
}

void forget_collection_type() noexcept {
  g_collection_type = nullptr;
  g_free_collection_count = 0;  // their memory went with the interpreter
}

}  // namespace quorvane::py
