# Linux arm64 with the GNU cross compilers, tests under qemu-aarch64; the
# nearest this project gets to the iOS and Android arm64 builds on an x86-64
# machine (same architecture and data model, NEON paths).
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triplet aarch64-linux-gnu)
set(cross_qemu qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
