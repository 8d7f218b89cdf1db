# Linux 32-bit ARM (ARMv7, hard float) with the GNU cross compilers, tests
# under qemu-arm: the data model of Android's armeabi-v7a (ILP32, 64-bit
# members aligned to 8 bytes).
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(cross_triplet arm-linux-gnueabihf)
set(cross_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)

# GCC 7.1 changed how 32-bit ARM passes some C++ class arguments, and GCC
# notes every call that passes one (-Wpsabi): here the standard library's
# iterators and initializer lists, pages of them. The change matters only
# between C++ code built by older and newer compilers. Every function the
# library exports or imports has a C signature, and all C++ code inside it
# is built by this one compiler, so the notes are silenced: a real warning
# then stands out.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
