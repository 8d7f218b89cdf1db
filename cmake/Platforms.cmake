# What differs between the platforms the bridge is built for; the toolchain
# files in cmake/toolchains/ select the compilers.

# A build that includes this project (Gradle's externalNativeBuild, a
# plugin's CMakeLists.txt) may choose the output directories itself, and
# collects the libraries from there.
if(WIN32)
  # Dart opens zelbridge.dll and the bridge imports ZelSDK.dll: no "lib".
  set(CMAKE_SHARED_LIBRARY_PREFIX "")
  # Windows finds a program's DLLs in the program's own directory, so the
  # DLLs, tests and demo share one.
  if(NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  endif()
elseif(NOT CMAKE_LIBRARY_OUTPUT_DIRECTORY)
  # The bridge finds the SDK library beside itself, so the build puts every
  # shared library in one directory, as an app bundle does.
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
endif()

if(CMAKE_CROSSCOMPILING)
  list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/cross)
endif()

# Whether this machine runs the target's programs: natively, under the
# toolchain's emulator, or as a target the machine runs itself (32-bit x86
# Linux on x86-64, cmake/toolchains/i686-linux-gnu.cmake).
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR OR ZELBRIDGE_TARGET_RUNS_NATIVELY)
  set(ZELBRIDGE_RUNS_TARGET_PROGRAMS ON)
else()
  set(ZELBRIDGE_RUNS_TARGET_PROGRAMS OFF)
endif()

# Apple: zelbridge.framework (iOS with Xcode) or libzelbridge.dylib (the
# macOS default); either links the SDK, whose Apple form is the framework
# ZelSDKFull (cmake/Apple.cmake). The iOS toolchains that build on Linux link
# nothing and make libzelbridge.a instead (cmake/IosStaticLibrary.cmake).
if(APPLE)
  if(CMAKE_SYSTEM_NAME STREQUAL "iOS")
    option(ZELBRIDGE_IOS_STATIC_LIBRARY
      "Build libzelbridge.a (bridge, JSON library, Dart API layer) for the app to link" OFF)
  endif()
  if(CMAKE_SYSTEM_NAME STREQUAL "iOS" AND NOT ZELBRIDGE_IOS_STATIC_LIBRARY)
    set(zelbridge_framework_default ON)
  else()
    set(zelbridge_framework_default OFF)
  endif()
  option(ZELBRIDGE_APPLE_FRAMEWORK
    "Build zelbridge.framework, which also publishes the JSON library by name" ${zelbridge_framework_default})
  if(CMAKE_SYSTEM_NAME STREQUAL "iOS")
    if(ZELBRIDGE_IOS_STATIC_LIBRARY)
      if(ZELBRIDGE_APPLE_FRAMEWORK)
        message(FATAL_ERROR "ZELBRIDGE_IOS_STATIC_LIBRARY and ZELBRIDGE_APPLE_FRAMEWORK exclude each other")
      endif()
      include(${CMAKE_CURRENT_LIST_DIR}/IosStaticLibrary.cmake)
    else()
      if(NOT ZELBRIDGE_APPLE_FRAMEWORK)
        message(FATAL_ERROR "The iOS build is zelbridge.framework: -DZELBRIDGE_APPLE_FRAMEWORK=ON")
      endif()
      if(NOT ZELBRIDGE_SDK_LIBRARY)
        message(FATAL_ERROR "The iOS framework links the SDK's framework: "
          "-DZELBRIDGE_SDK_LIBRARY=<dir>/ZelSDKFull.framework")
      endif()
    endif()
    # Test programs cannot run on an iOS device from a build.
    set(ZELBRIDGE_BUILD_TESTS OFF)
  endif()
endif()

# Android's 64-bit ABIs: a device with 16 KB memory pages loads a library only
# if its segments are aligned to 16 KB. The flag goes on the project's own
# libraries: in CMAKE_SHARED_LINKER_FLAGS it would replace the NDK
# toolchain's own linker flags (build id, --no-rosegment, --gc-sections, ...).
# 32-bit ABIs keep 4 KB pages.
function(zelbridge_android_page_size target)
  if(ANDROID AND ANDROID_ABI MATCHES "64")
    target_link_options(${target} PRIVATE "-Wl,-z,max-page-size=16384")
  endif()
endfunction()
