# libzelbridge.a for the iOS Simulator on Intel Macs (x86-64), built on Linux
# with clang 14 (see ios-clang.cmake), by the preset ios-simulator-x86_64, which the
# presets ios and production-ios build.
set(ios_arch x86_64)
set(ios_zig_arch x86_64)
set(ios_environment simulator)
include(${CMAKE_CURRENT_LIST_DIR}/ios-clang.cmake)
