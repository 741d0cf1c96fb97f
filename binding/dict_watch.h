// DictWatch notices the changes made to a dict while it is converted: keys
// added, deleted or replaced by others, the dict cleared or refilled. (A new
// value for a key the dict has is no such change.) It uses one dict watcher
// of the interpreter, taken at module init, which reports a change as soon as
// it happens. Without one (other code took them all), the watch keeps the
// dict's keys when it starts and requires the walk to visit exactly those key
// objects, in that order, and the dict to hold exactly them when the walk
// ends. A change that leaves the very same key objects in the same order (a
// dict cleared and refilled with its own key objects) counts as new values.
// Watches may nest and may be open on several threads at once; a dict stays
// watched while any watch of it is open. Needs the GIL.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <memory>
#include <vector>

namespace quorvane::py {

// Takes a dict watcher for the module, if one is free. Leaves no error.
void init_dict_watcher();

// Drops the watcher id after the interpreter has finalized.
void forget_dict_watcher() noexcept;

class DictWatch {
 public:
  // Starts watching `dict`, which the caller keeps alive for the watch's
  // lifetime. May throw std::bad_alloc.
  explicit DictWatch(PyObject* dict);
  DictWatch(const DictWatch&) = delete;
  DictWatch& operator=(const DictWatch&) = delete;
  // Not noexcept: dropping a kept key may run a finalizer (thread_exit.h).
  ~DictWatch() noexcept(false);

  // The walk has reached `key` (borrowed), its next key in the dict's order.
  void visit(PyObject* key) noexcept {
    if (kept_) kept_->visit(key);
  }

  // Whether the dict's keys changed since the watch started (without a
  // watcher: as far as the walk so far and, once it has `ended`, the dict show).
  bool changed(bool ended) const;

 private:
  // Without a watcher: the dict's keys at the start (strong references), how
  // many the walk has visited, and whether one was not the key expected.
  struct KeptKeys {
    std::vector<PyObject*> keys;
    std::size_t visited = 0;
    bool strayed = false;

    void visit(PyObject* key) noexcept {
      strayed = strayed || visited == keys.size() || keys[visited] != key;
      ++visited;
    }
    bool differ_from(PyObject* dict) const;
  };

  PyObject* dict_;
  // Null while a watcher watches the dict. Kept off the stack: conversions
  // of nested values recurse through this frame.
  std::unique_ptr<KeptKeys> kept_;
};

}  // namespace quorvane::py
