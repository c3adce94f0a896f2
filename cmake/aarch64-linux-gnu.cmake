# Cross-building for 64-bit ARM Linux (a Raspberry Pi) with Debian's
# cross compilers, against Debian's own arm64 libraries installed beside the
# machine's (multi-arch: scripts/setup package-arm64).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /usr)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# What runs the arm64 programs here, for tools that run what they build.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L /)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
