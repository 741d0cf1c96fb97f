#include "binding/convert.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string_view>

#include "binding/args.h"
#include "binding/dict_watch.h"
#include "binding/errors.h"
#include "binding/key_cache.h"
#include "binding/presized_dict.h"
#include "binding/py_ref.h"
#include "binding/recursion.h"
#include "core/value/document.h"
#include "core/text/value_parser.h"

namespace quorvane::py {
namespace {

constexpr const char* kUnsupported = "Unsupported data type";

PyObject* array_to_py(const Array& items) {
  RecursionGuard depth(" while converting a stored array");
  if (!depth) return nullptr;
  OwnedRef list{PyList_New(static_cast<Py_ssize_t>(items.size()))};
  if (!list) return nullptr;
  for (std::size_t i = 0; i < items.size(); ++i) {
    PyObject* item = datatype_to_py(items[i]);
    if (!item) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);  // steals
  }
  return list.release();
}

PyObject* document_to_py(const Document& document) {
  RecursionGuard depth(" while converting a stored document");
  if (!depth) return nullptr;
  // Sized once for all its items, so that a large document's dict is never
  // rebuilt while it fills.
  OwnedRef dict{new_dict_for(static_cast<Py_ssize_t>(document.size()))};
  if (!dict) return nullptr;
  // The keys of a large document would only push each other out of the cache.
  const bool cached_keys = document.size() <= kKeyCacheSlots / 8;
  bool ok = true;
  document.for_each([&](std::string_view key, const DataType& value) {
    if (!ok) return;
    OwnedRef item{datatype_to_py(value)};
    OwnedRef name{item ? (cached_keys ? key_str(key) : new_str(key)) : nullptr};
    ok = name && PyDict_SetItem(dict.get(), name.get(), item.get()) == 0;
  });
  return ok ? dict.release() : nullptr;
}

// Drops the error of a test that failed, so that the next test can run. An
// error that is no Exception (KeyboardInterrupt, SystemExit, the panic
// exception) or a MemoryError is kept: it ends the conversion.
bool drop_test_error() {
  if (PyErr_ExceptionMatches(PyExc_Exception) && !PyErr_ExceptionMatches(PyExc_MemoryError)) {
    PyErr_Clear();
    return true;
  }
  return false;
}

// Whether PyFloat_AsDouble can succeed for an object of `type` at all.
bool has_float_conversion(PyTypeObject* type) {
  if (PyType_IsSubtype(type, &PyFloat_Type)) return true;
  const PyNumberMethods* number = type->tp_as_number;
  return number && (number->nb_float || number->nb_index);
}

bool equals_ascii(PyObject* text, const char* ascii) {
  return text && PyUnicode_Check(text) && PyUnicode_CompareWithASCIIString(text, ascii) == 0;
}

// The boolean rule for an object that has no float conversion: bool itself,
// or a numpy bool, whose truth-value slot decides. Empty when it does not
// apply; `failed` is then set when an error was kept that ends the conversion.
std::optional<bool> boolean_rule(PyObject* object, bool& failed) {
  if (PyBool_Check(object)) return object == Py_True;
  PyTypeObject* type = Py_TYPE(object);
  OwnedRef module{PyObject_GetAttrString(reinterpret_cast<PyObject*>(type), "__module__")};
  if (!module) {
    failed = !drop_test_error();
    return std::nullopt;
  }
  if (!equals_ascii(module.get(), "numpy")) return std::nullopt;
  OwnedRef name{PyType_GetName(type)};
  if (!name) {
    failed = !drop_test_error();
    return std::nullopt;
  }
  if (!equals_ascii(name.get(), "bool_") && !equals_ascii(name.get(), "bool")) return std::nullopt;
  auto truth = reinterpret_cast<inquiry>(PyType_GetSlot(type, Py_nb_bool));
  if (!truth) return std::nullopt;
  const int result = truth(object);
  if (result < 0) {
    failed = !drop_test_error();
    return std::nullopt;
  }
  return result != 0;
}

class ToValue {
 public:
  std::optional<DataType> convert(PyObject* object);
  bool panicked() const { return panicked_; }

 private:
  // One level of list or dict nesting while it is converted. A value may nest
  // no deeper than a value read from a file (kMaxNestingDepth): deeper, the
  // level is refused with RecursionError. Stored values are thereby bounded,
  // and with them the stack that reading, copying and releasing them takes.
  class Level {
   public:
    explicit Level(std::size_t& depth) noexcept : open_(depth) {
      if (++open_ > kMaxNestingDepth) [[unlikely]] {
        PyErr_Format(PyExc_RecursionError, "a value may nest at most %d lists and dicts",
                     static_cast<int>(kMaxNestingDepth));
      }
    }
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    ~Level() { --open_; }
    explicit operator bool() const noexcept { return open_ <= kMaxNestingDepth; }

   private:
    std::size_t& open_;  // the converter's count
  };

  std::optional<DataType> generic(PyObject* object);
  std::optional<DataType> from_list(PyObject* list);
  std::optional<DataType> from_dict(PyObject* dict);
  std::nullopt_t panic(const char* message) {
    panicked_ = true;
    raise_panic(message);
    return std::nullopt;
  }
  bool panicked_ = false;
  std::size_t depth_ = 0;  // lists and dicts open on the way down
};

std::optional<DataType> ToValue::convert(PyObject* object) {
  // Exact builtin types first: their later tests are known to fail, so they
  // skip the calls (and the exceptions) that would only say so.
  if (PyFloat_CheckExact(object)) {
    return DataType::number(narrow_to_float(PyFloat_AS_DOUBLE(object)));
  }
  if (PyUnicode_CheckExact(object) && PyUnicode_IS_COMPACT_ASCII(object)) {
    return DataType::text(std::string_view(static_cast<const char*>(PyUnicode_DATA(object)),
                                           static_cast<std::size_t>(PyUnicode_GET_LENGTH(object))));
  }
  if (PyList_CheckExact(object)) return from_list(object);
  if (PyDict_CheckExact(object)) return from_dict(object);
  return generic(object);
}

std::optional<DataType> ToValue::generic(PyObject* object) {
  if (PyUnicode_Check(object)) {
    if (std::optional<std::string_view> text = utf8_of(object)) return DataType::text(*text);
    if (!drop_test_error()) return std::nullopt;
  }
  if (has_float_conversion(Py_TYPE(object))) {
    const double number = PyFloat_AsDouble(object);
    if (number != -1.0 || !PyErr_Occurred()) return DataType::number(narrow_to_float(number));
    if (!drop_test_error()) return std::nullopt;
  }
  bool failed = false;
  if (std::optional<bool> flag = boolean_rule(object, failed)) return DataType::boolean(*flag);
  if (failed) return std::nullopt;
  if (PyList_Check(object)) return from_list(object);
  if (PyDict_Check(object)) return from_dict(object);
  PyErr_SetString(PyExc_ValueError, kUnsupported);
  return std::nullopt;
}

// Reads the list's own storage (a subclass's __iter__ is not called), up to
// the smaller of its length at the start and its current length.
std::optional<DataType> ToValue::from_list(PyObject* list) {
  const Level level(depth_);
  if (!level) return std::nullopt;
  RecursionGuard depth(" while converting a list");
  if (!depth) return std::nullopt;
  const Py_ssize_t start = PyList_GET_SIZE(list);
  Array items;
  items.reserve(static_cast<std::size_t>(start));
  for (Py_ssize_t i = 0; i < std::min(start, PyList_GET_SIZE(list)); ++i) {
    PyObject* item = PyList_GET_ITEM(list, i);
    if (PyFloat_CheckExact(item)) {
      items.push_back(DataType::number(narrow_to_float(PyFloat_AS_DOUBLE(item))));
      continue;
    }
    // Converting may run Python code that drops the item from the list.
    const OwnedRef hold = OwnedRef::borrow(item);
    std::optional<DataType> value = convert(item);
    if (!value) return std::nullopt;
    items.push_back(std::move(*value));
  }
  return DataType::array(std::move(items));
}

// Walks the dict's own entries with PyDict_Next (a subclass's items() or
// __iter__ is not called). Code run while converting one of its values (or
// releasing one) may change the dict: any change to its keys, seen at the
// next entry or at the end, is a panic, and nothing is returned.
std::optional<DataType> ToValue::from_dict(PyObject* dict) {
  const Level level(depth_);
  if (!level) return std::nullopt;
  RecursionGuard depth(" while converting a dict");
  if (!depth) return std::nullopt;
  DictWatch watch(dict);
  const Py_ssize_t start = PyDict_GET_SIZE(dict);
  Document document;
  document.reserve(static_cast<std::size_t>(start));
  Py_ssize_t pos = 0;
  Py_ssize_t seen = 0;
  PyObject* key = nullptr;
  PyObject* value = nullptr;
  auto change = [&](bool ended) -> const char* {
    if (PyDict_GET_SIZE(dict) != start) return "dictionary changed size during iteration";
    if (seen > start || (ended && seen != start) || watch.changed(ended)) {
      return "dictionary keys changed during iteration";
    }
    return nullptr;
  };
  while (PyDict_Next(dict, &pos, &key, &value)) {
    ++seen;
    watch.visit(key);
    if (const char* message = change(false)) return panic(message);
    const OwnedRef hold_key = OwnedRef::borrow(key);
    const OwnedRef hold_value = OwnedRef::borrow(value);
    if (!PyUnicode_Check(key)) {
      raise_not_a_string(key);
      return std::nullopt;
    }
    const std::optional<std::string_view> name = utf8_of(key);
    if (!name) return std::nullopt;
    std::optional<DataType> item = PyFloat_CheckExact(value)
                                       ? DataType::number(narrow_to_float(PyFloat_AS_DOUBLE(value)))
                                       : convert(value);
    if (!item) return std::nullopt;
    document.insert_or_assign(*name, std::move(*item));
  }
  if (const char* message = change(true)) return panic(message);
  return DataType::document(std::move(document));
}

}  // namespace

PyObject* datatype_to_py_any(const DataType& value) {
  switch (value.kind()) {
    case DataType::Kind::kId: {
      char text[Id::kTextLength];
      value.as_id().write_text(text);
      return new_str(std::string_view(text, sizeof text));
    }
    case DataType::Kind::kText:
      return new_str(value.as_text());
    case DataType::Kind::kNumber:
      return PyFloat_FromDouble(static_cast<double>(value.as_number()));
    case DataType::Kind::kBoolean:
      return PyFloat_FromDouble(value.as_boolean() ? 1.0 : 0.0);
    case DataType::Kind::kArray:
      return array_to_py(value.as_array());
    case DataType::Kind::kDocument:
      return document_to_py(value.as_document());
  }
  return raise_panic("stored value of unknown kind");
}

std::expected<DataType, ConvertFailure> py_to_datatype(PyObject* object) {
  ToValue converter;
  try {
    if (std::optional<DataType> value = converter.convert(object)) return std::move(*value);
  } catch (const std::bad_alloc&) {
    // Only the detached value being built ran out of memory; nothing stored changed.
    PyErr_NoMemory();
    return std::unexpected(ConvertFailure::kRaised);
  }
  return std::unexpected(converter.panicked() ? ConvertFailure::kPanicked
                                              : ConvertFailure::kRaised);
}

}  // namespace quorvane::py
