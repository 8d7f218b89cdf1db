# iOS arm64 devices. Needs macOS with Xcode; builds zelbridge.framework only
# (ZELBRIDGE_APPLE_FRAMEWORK), against the SDK's ZelSDKFull framework:
#   cmake -S . -B build-ios -G Xcode -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/ios-arm64.cmake \
#         -DZELBRIDGE_SDK_LIBRARY=/path/to/ZelSDKFull.framework \
#         -DZELBRIDGE_DART_SDK_INCLUDE_DIR=<dart-sdk>/include
#   cmake --build build-ios --config Release --target zelbridge
set(CMAKE_SYSTEM_NAME iOS)
set(CMAKE_OSX_ARCHITECTURES arm64)
include(${CMAKE_CURRENT_LIST_DIR}/ios-deployment-target.cmake)
set(CMAKE_OSX_DEPLOYMENT_TARGET ${zelbridge_ios_minimum_os} CACHE STRING "Minimum iOS version")
