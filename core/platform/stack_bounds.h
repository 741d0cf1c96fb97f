// The calling thread's stack, for code that must stop recursing before the
// stack runs out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/platform/target.h"

namespace quorvane::platform {

// The addresses [low, high) of a stack that grows down toward low.
struct StackBounds {
  std::uintptr_t low;
  std::uintptr_t high;
};

// What the fallback assumes is left below the frame that asks: less than
// any thread stack that a common system gives by default.
inline constexpr std::size_t kAssumedStackBytes = std::size_t{256} << 10;

// The calling thread's stack, from its attributes on Linux. Where they cannot
// be read, a guess that errs low: as if the stack ended kAssumedStackBytes
// below the caller's frame.
StackBounds this_thread_stack() noexcept;

namespace portable {
StackBounds this_thread_stack() noexcept;
}  // namespace portable

}  // namespace quorvane::platform
