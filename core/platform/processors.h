// The processors this process may use.
#pragma once

#include <cstddef>

#include "core/platform/target.h"

namespace quorvane::platform {

// How many processors the calling thread may run on, at least 1: its
// affinity mask on Linux (a container or taskset limits it), elsewhere
// std::thread::hardware_concurrency (1 when that is unknown).
std::size_t usable_processors() noexcept;

namespace portable {
std::size_t usable_processors() noexcept;
}  // namespace portable

}  // namespace quorvane::platform
