#include "binding/handle.h"

#include "binding/errors.h"

namespace quorvane::py {

DbLock DatabaseShare::lock_contended() const {
  if (!handle_->lock_.lock_contended()) return DbLock();
  return DbLock::acquired(handle_);
}

PyObject* raise_lock_failed() {
  return raise_panic("database lock poisoned by an earlier panic");
}

}  // namespace quorvane::py
