# libzelbridge.a for iOS devices (arm64), built on Linux
# with clang 14 (see ios-clang.cmake), by the preset ios-arm64, which the
# presets ios and production-ios build.
set(ios_arch arm64)
set(ios_zig_arch aarch64)
set(ios_environment device)
include(${CMAKE_CURRENT_LIST_DIR}/ios-clang.cmake)
