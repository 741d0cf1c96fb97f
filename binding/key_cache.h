// The str objects of document keys. Stored documents repeat a few short keys
// ("city", "zip") many times over; a small cache keeps the str last made for
// each short ASCII key, so that such a key is made and hashed once and the
// dict it goes into needs no hash of its own. Longer or non-ASCII keys get a
// new str every time.
//
// The cache holds strong references to at most kKeyCacheSlots str objects.
// Needs the GIL; used in the main interpreter only, like the whole module.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstddef>
#include <string_view>

namespace quorvane::py {

inline constexpr std::size_t kKeyCacheSlots = 512;
inline constexpr std::size_t kMaxCachedKey = 16;

// A str of the UTF-8 bytes `key`, possibly one handed out before (str objects
// cannot change). Returns a new reference, or nullptr with an error set.
PyObject* key_str(std::string_view key) noexcept;

// A new str of the UTF-8 bytes `text` (never a cached one): for ASCII text,
// one allocation and a copy, without the UTF-8 decoder. Returns a new
// reference, or nullptr with an error set.
PyObject* new_str(std::string_view text) noexcept;

// Drops the cache's pointers without releasing them: for after the
// interpreter's finalization, when the objects are gone already.
void forget_key_cache() noexcept;

}  // namespace quorvane::py
