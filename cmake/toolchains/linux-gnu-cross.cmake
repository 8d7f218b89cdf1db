# Shared part of the Linux cross toolchains: the GNU cross compilers of
# cross_triplet, their Debian sysroot, and user-mode QEMU (cross_qemu) to run
# test discovery, CTest and the demo, unless the build machine runs the
# target's programs itself (cross_runs_natively).
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${cross_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${cross_triplet}-g++)

set(cross_sysroot /usr/${cross_triplet})
set(CMAKE_FIND_ROOT_PATH ${cross_sysroot})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(cross_runs_natively)
  set(ZELBRIDGE_TARGET_RUNS_NATIVELY ON)
else()
  # The target's loader and libraries are taken from the cross toolchain's
  # sysroot.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_qemu} -L ${cross_sysroot})
endif()
