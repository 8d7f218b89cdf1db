# iOS arm64 devices. Needs macOS with Xcode; builds the framework only
# (ZELBRIDGE_IOS_FRAMEWORK), against the SDK's ZelSDKFull framework:
#   cmake -S . -B build-ios -G Xcode -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/ios-arm64.cmake \
#         -DZELBRIDGE_SDK_LIBRARY=/path/to/ZelSDKFull.framework
#   cmake --build build-ios --config Release --target zelbridge
set(CMAKE_SYSTEM_NAME iOS)
set(CMAKE_OSX_ARCHITECTURES arm64)
set(CMAKE_OSX_DEPLOYMENT_TARGET 12.0 CACHE STRING "Minimum iOS version")
