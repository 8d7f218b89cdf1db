# Linux arm64 with the GNU cross compilers; the nearest this project gets to
# the iOS arm64 build on an x86-64 machine (same architecture, NEON paths).
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(arm64_triplet aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${arm64_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${arm64_triplet}-g++)

set(arm64_sysroot /usr/${arm64_triplet})
set(CMAKE_FIND_ROOT_PATH ${arm64_sysroot})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test discovery and CTest run the executables under user-mode QEMU, with the
# target's loader and libraries taken from the cross toolchain's sysroot.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L ${arm64_sysroot})
