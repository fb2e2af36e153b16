# Cross-build for 64-bit ARM Linux (a Raspberry Pi 3, 4 or 5 and its like)
# with Debian's g++-aarch64-linux-gnu. Libraries for the target come from
# Debian's multi-arch packages (libgpiod-dev:arm64), which live beside the
# host's under /usr/lib/aarch64-linux-gnu; the toolchain's own sysroot is
# /usr/aarch64-linux-gnu. Programs built here run on this machine under
# qemu-aarch64 (Debian's qemu-user), which the tests use as their emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# Headers and libraries of the target only: its sysroot and the multi-arch
# folders of /usr, never the host's own (a find_package(Qt6) finds nothing,
# so the build goes without the window). Programs (the compiler's tools) are
# the host's.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /usr)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config (through which CMake finds libcurl) answers for the target's
# libraries, not the host's: their headers differ by architecture.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

find_program(KOLVAR_QEMU_AARCH64 qemu-aarch64)
if(KOLVAR_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KOLVAR_QEMU_AARCH64} -L /usr/aarch64-linux-gnu)
endif()
