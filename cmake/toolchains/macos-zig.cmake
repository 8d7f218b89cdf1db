# Shared part of the macOS toolchains (aarch64-macos.cmake, x86_64-macos.cmake),
# which set zig_macos_arch: Mach-O built on Linux. The compilers are the
# wrappers in macos/ (Zig's clang compiles, ld64.lld links, see
# macos/zig-driver.sh); the archiver and the Mach-O tools are Debian's LLVM 14.
# Nothing built here can run on this machine, so there is no emulator.
set(CMAKE_SYSTEM_NAME Darwin)
# 11.0 is the oldest macOS whose libc headers Zig 0.11 has, and the first on
# arm64.
set(CMAKE_OSX_DEPLOYMENT_TARGET 11.0 CACHE STRING "Minimum macOS version")
# CMake's Darwin platform file offers -rpath (and so @rpath install names)
# only when sw_vers, which Linux lacks, reports macOS 10.5 or later. The
# rules override, read after the platform files, sets what it would.
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/macos/rpath-rules.cmake)

set(zig_needed_by "The macOS presets compile with")
set(zig_install_set macos)
include(${CMAKE_CURRENT_LIST_DIR}/zig-home.cmake)

set(CMAKE_C_COMPILER ${CMAKE_CURRENT_LIST_DIR}/macos/${zig_macos_arch}-macos-cc)
set(CMAKE_CXX_COMPILER ${CMAKE_CURRENT_LIST_DIR}/macos/${zig_macos_arch}-macos-c++)
foreach(tool AR RANLIB NM OBJDUMP STRIP INSTALL_NAME_TOOL)
  string(TOLOWER "llvm-${tool}-14" program)
  string(REPLACE "_" "-" program "${program}")
  find_program(CMAKE_${tool} ${program} REQUIRED)
endforeach()
find_program(ZELBRIDGE_LIPO llvm-lipo-14 REQUIRED)
find_program(ZELBRIDGE_DSYMUTIL NAMES dsymutil-14 dsymutil REQUIRED)

# Nothing of the host's libraries, headers or packages.
set(CMAKE_FIND_ROOT_PATH ${zig_home}/lib/libc)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
