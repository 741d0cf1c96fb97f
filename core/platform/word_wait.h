// Sleeping on a 32-bit word until another thread changes it: a futex on
// Linux; elsewhere a mutex and a condition variable shared by the words whose
// addresses fall into the same bucket. Any thread may call these at any time.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "core/platform/target.h"

namespace quorvane::platform {

// Sleeps while `word` holds `seen`, until wake_one(word), `timeout` passes
// or (Linux) a signal arrives. Returns at once when `word` no longer holds
// `seen`. May also return for no reason: callers check what they wait for.
void wait_on_word(std::atomic<std::uint32_t>& word, std::uint32_t seen,
                  std::chrono::nanoseconds timeout) noexcept;

// Wakes at least one thread sleeping on `word`, if any. Call it after
// changing `word`: a thread that read the old value and is about to sleep
// does not sleep then.
void wake_one(std::atomic<std::uint32_t>& word) noexcept;

namespace portable {
void wait_on_word(std::atomic<std::uint32_t>& word, std::uint32_t seen,
                  std::chrono::nanoseconds timeout) noexcept;
void wake_one(std::atomic<std::uint32_t>& word) noexcept;
}  // namespace portable

}  // namespace quorvane::platform
