#include "binding/key_cache.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "binding/py_ref.h"

namespace quorvane::py {
namespace {

std::array<OwnedRef, kKeyCacheSlots> g_keys;

template <class Word>
Word load(const char* p) noexcept {
  Word word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

template <class Word>
void store(char* p, Word word) noexcept {
  std::memcpy(p, &word, sizeof word);
}

// Whether no byte of `text` has its high bit set, a word at a time; texts
// of up to 16 bytes (most values and keys) in two loads that may overlap.
bool is_ascii(std::string_view text) noexcept {
  constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
  const char* p = text.data();
  const std::size_t n = text.size();
  if (n >= 8) {
    std::uint64_t any = load<std::uint64_t>(p + n - 8);
    for (std::size_t i = 0; i + 8 < n; i += 8) any |= load<std::uint64_t>(p + i);
    return (any & kHigh) == 0;
  }
  if (n >= 4) return ((load<std::uint32_t>(p) | load<std::uint32_t>(p + n - 4)) & kHigh) == 0;
  unsigned char any = 0;
  for (std::size_t i = 0; i < n; ++i) any |= static_cast<unsigned char>(p[i]);
  return any < 0x80;
}

// Copies n bytes; up to 16 of them in two moves that may overlap, inline.
void copy_bytes(char* to, const char* from, std::size_t n) noexcept {
  if (n >= 8 && n <= 16) {
    const auto head = load<std::uint64_t>(from);
    const auto tail = load<std::uint64_t>(from + n - 8);
    store(to, head);
    store(to + n - 8, tail);
  } else if (n >= 4 && n < 8) {
    const auto head = load<std::uint32_t>(from);
    const auto tail = load<std::uint32_t>(from + n - 4);
    store(to, head);
    store(to + n - 4, tail);
  } else if (n < 4) {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  } else {
    std::memcpy(to, from, n);
  }
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
  if (made) copy_bytes(reinterpret_cast<char*>(PyUnicode_1BYTE_DATA(made)), text.data(), text.size());
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
