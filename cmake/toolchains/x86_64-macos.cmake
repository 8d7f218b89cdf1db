# macOS x86-64 (Intel), built on Linux with Zig; see macos-zig.cmake.
# Used by the presets macos-x64 and production-macos-x64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(zig_macos_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/macos-zig.cmake)
