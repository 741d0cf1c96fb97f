#include "binding/errors.h"

#include <exception>
#include <new>

#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

// Strong reference, created by the first module init and kept for the process.
PyObject* g_panic_exception = nullptr;

constexpr const char* kPanicDoc =
    "Raised when an internal invariant of the database binding breaks. It derives\n"
    "from BaseException, so an ordinary `except Exception` does not catch it.";

}  // namespace

PyObject* raise(PyObject* type, const char* message) noexcept {
  PyErr_SetString(type, message);
  return nullptr;
}

bool init_panic_exception() noexcept {
  if (g_panic_exception) return true;
  g_panic_exception = PyErr_NewExceptionWithDoc("pyquorvane.PanicException", kPanicDoc,
                                                PyExc_BaseException, nullptr);
  return g_panic_exception != nullptr;
}

void forget_panic_exception() noexcept {
  g_panic_exception = nullptr;
}

PyObject* panic_exception_type() noexcept {
  return g_panic_exception;
}

PyObject* raise_panic(std::string_view message) {
  PyObject* type = g_panic_exception ? g_panic_exception : PyExc_SystemError;
  OwnedRef text{
      PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace")};
  if (!text) return nullptr;  // the interpreter's own error (MemoryError) stays set
  PyErr_SetObject(type, text.get());
  return nullptr;
}

PyObject* panic_from_current() {
  // Running out of memory breaks no invariant: its MemoryError stays as it is.
  if (PyErr_ExceptionMatches(PyExc_MemoryError)) return nullptr;
  OwnedRef original{PyErr_GetRaisedException()};
  if (!original) return raise_panic("the interpreter failed to create an object");
  OwnedRef text{PyUnicode_FromFormat("the interpreter failed to create an object: %s: %S",
                                     Py_TYPE(original.get())->tp_name, original.get())};
  if (!text) {
    PyErr_Clear();
    return raise_panic("the interpreter failed to create an object");
  }
  PyObject* type = g_panic_exception ? g_panic_exception : PyExc_SystemError;
  OwnedRef panic{PyObject_CallOneArg(type, text.get())};
  if (!panic) return nullptr;
  PyException_SetCause(panic.get(), original.release());  // steals
  PyErr_SetRaisedException(panic.release());              // steals
  return nullptr;
}

namespace {

// Whether this thread was prepared; its destructor runs when the thread ends.
struct PreparedThread {
  bool prepared = false;
  ~PreparedThread() {
    std::uintptr_t self = this_thread_id();
    g_prepared_thread.compare_exchange_strong(self, 0, std::memory_order_relaxed);
  }
};

}  // namespace

void prepare_thread_slow() noexcept {
  static thread_local PreparedThread state;
  if (!state.prepared) {
    // Reads, and so makes, the exception state. The call is declared pure:
    // its result is kept so that it is not dropped.
    volatile int uncaught = std::uncaught_exceptions();
    (void)uncaught;
    state.prepared = true;
  }
  g_prepared_thread.store(this_thread_id(), std::memory_order_relaxed);
}

void raise_from_cpp_exception() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  } catch (const std::exception& e) {
    raise_panic(e.what());
  } catch (...) {
    raise_panic("unknown C++ exception");
  }
}

}  // namespace quorvane::py
