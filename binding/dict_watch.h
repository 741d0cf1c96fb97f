// DictWatch notices the changes made to a dict while it is converted: keys
// added, deleted or replaced by others, the dict cleared or refilled. (A new
// value for a key the dict has is no such change.) It uses one dict watcher
// of the interpreter, taken at module init; without one (all taken) a watch
// notices nothing and the conversion relies on its own size and count checks.
// Watches may nest and may be open on several threads at once; a dict stays
// watched while any watch of it is open. Needs the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace quorvane::py {

// Takes a dict watcher for the module, if one is free. Leaves no error.
void init_dict_watcher();

// Drops the watcher id after the interpreter has finalized.
void forget_dict_watcher() noexcept;

class DictWatch {
 public:
  // Starts watching `dict`, which the caller keeps alive for the watch's
  // lifetime.
  explicit DictWatch(PyObject* dict);
  DictWatch(const DictWatch&) = delete;
  DictWatch& operator=(const DictWatch&) = delete;
  ~DictWatch();

  // Whether the dict's keys changed since the watch started.
  bool changed() const;

 private:
  PyObject* dict_;
  bool active_ = false;
};

}  // namespace quorvane::py
