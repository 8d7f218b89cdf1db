# Linux 32-bit ARM (ARMv7, hard float) with the GNU cross compilers, tests
# under qemu-arm: the data model of Android's armeabi-v7a (ILP32, 64-bit
# members aligned to 8 bytes).
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(cross_triplet arm-linux-gnueabihf)
set(cross_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
