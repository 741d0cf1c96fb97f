#include "binding/dict_watch.h"

#include <algorithm>
#include <new>
#include <vector>

#include "binding/thread_exit.h"

namespace quorvane::py {
namespace {

// One open watch: the dict, the watch it belongs to (only compared), and
// whether the dict's keys changed since it opened.
struct Watched {
  PyObject* dict;
  const DictWatch* watch;
  bool changed;
};

// The open watches of every thread, in no particular order (threads
// interleave). A thread ended at interpreter exit leaves its entries behind;
// they are dropped when their dict is deallocated.
std::vector<Watched> g_watched;
int g_watcher = -1;

int on_dict_event(PyDict_WatchEvent event, PyObject* dict, PyObject*, PyObject*) noexcept {
  switch (event) {
    case PyDict_EVENT_ADDED:
    case PyDict_EVENT_DELETED:
    case PyDict_EVENT_CLONED:
    case PyDict_EVENT_CLEARED:
      for (Watched& entry : g_watched) {
        if (entry.dict == dict) entry.changed = true;
      }
      break;
    case PyDict_EVENT_DEALLOCATED:
      std::erase_if(g_watched, [dict](const Watched& entry) { return entry.dict == dict; });
      break;
    default:  // a new value for a key the dict has
      break;
  }
  return 0;
}

const Watched* find(const DictWatch* watch) {
  for (auto it = g_watched.rbegin(); it != g_watched.rend(); ++it) {
    if (it->watch == watch) return &*it;
  }
  return nullptr;
}

}  // namespace

void init_dict_watcher() {
  if (g_watcher >= 0) return;
  g_watcher = PyDict_AddWatcher(on_dict_event);
  if (g_watcher < 0) PyErr_Clear();
}

void forget_dict_watcher() noexcept {
  g_watcher = -1;
  g_watched.clear();
}

DictWatch::DictWatch(PyObject* dict) : dict_(dict) {
  if (g_watcher >= 0) {
    g_watched.push_back({dict, this, false});  // may throw std::bad_alloc: nothing to undo
    if (PyDict_Watch(g_watcher, dict) == 0) return;
    PyErr_Clear();
    g_watched.pop_back();
  }
  kept_ = std::make_unique<KeptKeys>();
  // No Python code runs here: the keys are those of one moment.
  kept_->keys.reserve(static_cast<std::size_t>(PyDict_GET_SIZE(dict)));
  Py_ssize_t pos = 0;
  PyObject* key = nullptr;
  while (PyDict_Next(dict, &pos, &key, nullptr)) kept_->keys.push_back(Py_NewRef(key));
}

DictWatch::~DictWatch() noexcept(false) {
  if (ending_at_exit()) return;
  if (kept_) {
    // Taken out one at a time, so that a finalizer run by one drop sees
    // only live references here.
    std::vector<PyObject*>& keys = kept_->keys;
    while (!keys.empty()) {
      PyObject* key = keys.back();
      keys.pop_back();
      Py_DECREF(key);
    }
    return;
  }
  std::erase_if(g_watched, [this](const Watched& entry) { return entry.watch == this; });
  const bool still_watched = std::any_of(g_watched.begin(), g_watched.end(),
                                         [this](const Watched& entry) { return entry.dict == dict_; });
  if (!still_watched && PyDict_Unwatch(g_watcher, dict_) < 0) PyErr_Clear();
}

bool DictWatch::changed(bool ended) const {
  if (kept_) return kept_->strayed || (ended && kept_->differ_from(dict_));
  const Watched* entry = find(this);
  return entry && entry->changed;
}

// The references kept rule out a new key at the address of a dropped one.
bool DictWatch::KeptKeys::differ_from(PyObject* dict) const {
  if (visited != keys.size()) return true;
  if (PyDict_GET_SIZE(dict) != static_cast<Py_ssize_t>(keys.size())) return true;
  Py_ssize_t pos = 0;
  PyObject* key = nullptr;
  for (PyObject* kept : keys) {
    if (!PyDict_Next(dict, &pos, &key, nullptr) || key != kept) return true;
  }
  return false;
}

}  // namespace quorvane::py
