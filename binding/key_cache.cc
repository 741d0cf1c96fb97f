#include "binding/key_cache.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

std::array<OwnedRef, kKeyCacheSlots> g_keys;

bool is_ascii(std::string_view text) noexcept {
  unsigned char any = 0;
  for (const char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

// A slot for a short key: FNV-1a over its bytes.
std::size_t slot_of(std::string_view key) noexcept {
  std::uint32_t h = 2166136261u;
  for (const char c : key) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return (h ^ (h >> 15)) % kKeyCacheSlots;
}

// REQUIRES: `text` is ASCII.
PyObject* new_ascii_str(std::string_view text) noexcept {
  PyObject* made = PyUnicode_New(static_cast<Py_ssize_t>(text.size()), 127);
  if (made && !text.empty()) std::memcpy(PyUnicode_1BYTE_DATA(made), text.data(), text.size());
  return made;
}

bool holds(PyObject* cached, std::string_view key) noexcept {
  return static_cast<std::size_t>(PyUnicode_GET_LENGTH(cached)) == key.size() &&
         std::memcmp(PyUnicode_1BYTE_DATA(cached), key.data(), key.size()) == 0;
}

}  // namespace

PyObject* new_str(std::string_view text) noexcept {
  if (is_ascii(text)) return new_ascii_str(text);
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

PyObject* key_str(std::string_view key) noexcept {
  if (key.size() > kMaxCachedKey || !is_ascii(key)) return new_str(key);
  OwnedRef& slot = g_keys[slot_of(key)];
  if (slot && holds(slot.get(), key)) return Py_NewRef(slot.get());
  OwnedRef made{new_ascii_str(key)};
  if (!made) return nullptr;
  // Hashed now, so that every dict the cached str goes into finds its hash.
  if (PyObject_Hash(made.get()) == -1) return nullptr;
  slot = OwnedRef::borrow(made.get());  // drops the str cached there before
  return made.release();
}

void forget_key_cache() noexcept {
  for (OwnedRef& slot : g_keys) static_cast<void>(slot.release());
}

}  // namespace quorvane::py
