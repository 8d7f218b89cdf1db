# Read through CMAKE_USER_MAKE_RULES_OVERRIDE by the macOS toolchains (see
# macos-zig.cmake): the run-path flag of CMake's Darwin platform file.
set(CMAKE_SHARED_LIBRARY_RUNTIME_C_FLAG "-Wl,-rpath,")
set(CMAKE_SHARED_LIBRARY_RUNTIME_CXX_FLAG "-Wl,-rpath,")
