# Cross-building for 64-bit Arm Linux with Debian's cross compiler; the
# programs run under qemu-user, which ctest and test discovery go through.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake ...
# QUORVANE_CROSS_GXX names the compiler when it is not aarch64-linux-gnu-g++.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(_triple aarch64-linux-gnu)
if(DEFINED ENV{QUORVANE_CROSS_GXX})
  set(CMAKE_CXX_COMPILER $ENV{QUORVANE_CROSS_GXX})
else()
  set(CMAKE_CXX_COMPILER ${_triple}-g++)
endif()
set(CMAKE_C_COMPILER ${_triple}-gcc)

# Libraries and headers of the target only: the host's (GoogleTest, Boost)
# are for x86-64. The copies in third_party/ are used instead.
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(_qemu NAMES qemu-aarch64-static qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${_qemu} -L /usr/${_triple})
