# Linux 32-bit x86 with the GNU cross compilers: ILP32 x86, the data model
# whose 64-bit members are aligned to 4 bytes, and the one the 32-bit Dart VM
# of the dart-vm workflow loads. x86-64 Linux runs 32-bit x86 programs with
# Debian's i386 C and C++ runtimes (libc6:i386, libstdc++6:i386), so the
# suite runs natively: no emulator.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(cross_triplet i686-linux-gnu)
set(cross_runs_natively ON)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
