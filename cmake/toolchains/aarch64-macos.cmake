# macOS arm64 (Apple silicon), built on Linux with Zig; see macos-zig.cmake.
# Used by the presets macos-arm64 and production-macos-arm64.
set(CMAKE_SYSTEM_PROCESSOR arm64)
set(zig_macos_arch aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/macos-zig.cmake)
