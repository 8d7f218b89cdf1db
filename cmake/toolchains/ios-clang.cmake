# Shared part of the iOS toolchains (arm64-ios.cmake, arm64-ios-simulator.cmake,
# x86_64-ios-simulator.cmake), which set ios_arch, ios_zig_arch and
# ios_environment: the bridge as a static library for one iOS slice, compiled
# on Linux by Debian's clang 14 against the Darwin libc headers and the libc++
# headers that Zig 0.11 carries (.ci/install-zig.sh).
#
# Nothing is linked. Linking for iOS needs the iOS SDK's libSystem and libc++
# stubs, which are not here, so the toolchain archives objects (llvm-ar, in
# the BSD format Apple's linkers read) and the app's link in Xcode resolves
# them. The project then builds libzelbridge.a (ZELBRIDGE_IOS_STATIC_LIBRARY,
# cmake/IosStaticLibrary.cmake).
set(CMAKE_SYSTEM_NAME iOS)
set(CMAKE_SYSTEM_PROCESSOR ${ios_arch})
set(CMAKE_OSX_ARCHITECTURES ${ios_arch})
include(${CMAKE_CURRENT_LIST_DIR}/ios-deployment-target.cmake)
set(CMAKE_OSX_DEPLOYMENT_TARGET ${zelbridge_ios_minimum_os} CACHE STRING "Minimum iOS version")
set(ZELBRIDGE_IOS_STATIC_LIBRARY ON)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(zig_needed_by "The iOS presets compile against the Darwin and libc++ headers of")
set(zig_install_set ios)
include(${CMAKE_CURRENT_LIST_DIR}/zig-home.cmake)

find_program(CMAKE_C_COMPILER clang-14 REQUIRED)
find_program(CMAKE_CXX_COMPILER clang++-14 REQUIRED)
if(ios_environment STREQUAL "simulator")
  set(ios_target_suffix -simulator)
  set(ios_sdk_name iPhoneSimulator)
else()
  set(ios_target_suffix "")
  set(ios_sdk_name iPhoneOS)
endif()
set(CMAKE_C_COMPILER_TARGET ${ios_arch}-apple-ios${CMAKE_OSX_DEPLOYMENT_TARGET}${ios_target_suffix})
set(CMAKE_CXX_COMPILER_TARGET ${CMAKE_C_COMPILER_TARGET})
foreach(tool AR RANLIB NM OBJDUMP STRIP)
  string(TOLOWER "llvm-${tool}-14" program)
  find_program(CMAKE_${tool} ${program} REQUIRED)
endforeach()

# CMake's iOS platform accepts only a sysroot whose path names the SDK, and
# derives the minimum-version flag from that name. No SDK is here: the folder
# is empty, and the headers come in by -isystem below.
set(CMAKE_OSX_SYSROOT ${CMAKE_BINARY_DIR}/${ios_sdk_name}.sdk-placeholder)
file(MAKE_DIRECTORY ${CMAKE_OSX_SYSROOT})

# Darwin's libc headers: those of Zig's newest macOS, as Xcode compiles
# against its newest SDK. Their availability attributes carry the iOS
# versions, so anything newer than the deployment target, or not on iOS at
# all, fails to compile. libc++'s headers come first (they #include_next the
# C headers); the ABI namespace is Apple's, and its availability annotations
# stay on (Zig switches them off for its own static libc++).
set(ios_libc_headers ${zig_home}/lib/libc/include)
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES
  ${ios_libc_headers}/${ios_zig_arch}-macos.13-none
  ${ios_libc_headers}/any-macos.13-any
  ${ios_libc_headers}/any-macos-any)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
  ${zig_home}/lib/libcxx/include ${zig_home}/lib/libcxxabi/include
  ${CMAKE_C_STANDARD_INCLUDE_DIRECTORIES})
# The Zig folder is a path of this machine: debug information names it as
# zig-0.11.0/.
set(CMAKE_C_FLAGS_INIT
  "-nostdlibinc -Werror=unguarded-availability-new -ffile-prefix-map=${zig_home}=zig-0.11.0")
set(CMAKE_CXX_FLAGS_INIT
  "${CMAKE_C_FLAGS_INIT} -nostdinc++ -D_LIBCPP_ABI_VERSION=1 -D_LIBCPP_ABI_NAMESPACE=__1")

# Nothing of the host's libraries, headers or packages.
set(CMAKE_FIND_ROOT_PATH ${ios_libc_headers})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
