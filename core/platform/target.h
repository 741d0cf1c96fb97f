// Which implementation of the platform calls a build uses: Linux's own
// calls, or the portable fallbacks, which need only standard C++ (any system
// with a C++23 compiler; also on Linux when configured with
// QUORVANE_PORTABLE_PLATFORM). The fallbacks are always compiled, in
// namespace platform::portable, so that the tests run them everywhere.
#pragma once

#if defined(__linux__) && !defined(QUORVANE_PORTABLE_PLATFORM)
#define QUORVANE_PLATFORM_LINUX 1
#endif
