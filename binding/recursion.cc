#include "binding/recursion.h"

#include <pthread.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace quorvane::py {
namespace {

// Room kept free below the deepest conversion level: enough for the
// interpreter to run a conversion hook and to raise and report the error.
// A quarter of the stack when that is less (a thread with a tiny stack).
constexpr std::size_t kStackMargin = 64 * 1024;

// The lowest address this thread's stack may grow down to before conversions
// stop, or 0 when the stack bounds cannot be read (then only the
// interpreter's recursion budget applies).
std::uintptr_t stack_floor() {
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return 0;
  void* base = nullptr;
  std::size_t size = 0;
  const int got = pthread_attr_getstack(&attr, &base, &size);
  pthread_attr_destroy(&attr);
  if (got != 0) return 0;
  return reinterpret_cast<std::uintptr_t>(base) + std::min(kStackMargin, size / 4);
}

}  // namespace

bool stack_nearly_exhausted() noexcept {
  thread_local const std::uintptr_t floor = stack_floor();
  return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)) < floor;
}

}  // namespace quorvane::py
