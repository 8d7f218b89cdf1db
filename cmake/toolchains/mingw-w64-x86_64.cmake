# Windows x86-64 with the MinGW-w64 cross compilers, tests under Wine.
# Used by the presets windows-x64 and production-windows-x64.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
