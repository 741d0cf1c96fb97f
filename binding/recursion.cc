#include "binding/recursion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/platform/stack_bounds.h"

namespace quorvane::py {
namespace {

// Room kept free below the deepest conversion level: enough for the
// interpreter to run a conversion hook and to raise and report the error.
// A quarter of the stack when that is less (a thread with a tiny stack).
constexpr std::size_t kStackMargin = 64 * 1024;

// The lowest address this thread's stack may grow down to before conversions
// stop.
std::uintptr_t stack_floor() {
  const platform::StackBounds stack = platform::this_thread_stack();
  return stack.low + std::min(kStackMargin, (stack.high - stack.low) / 4);
}

}  // namespace

bool stack_nearly_exhausted() noexcept {
  thread_local const std::uintptr_t floor = stack_floor();
  return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)) < floor;
}

}  // namespace quorvane::py
