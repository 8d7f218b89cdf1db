# Android through the NDK's own toolchain file, for the android-* presets:
# the NDK's folder comes from ANDROID_NDK_HOME (or ANDROID_NDK_ROOT). The
# presets set the ABI, the API level and the C++ runtime.
set(zelbridge_ndk "$ENV{ANDROID_NDK_HOME}")
if(NOT zelbridge_ndk)
  set(zelbridge_ndk "$ENV{ANDROID_NDK_ROOT}")
endif()
if(NOT EXISTS "${zelbridge_ndk}/build/cmake/android.toolchain.cmake")
  message(FATAL_ERROR "The Android presets need the Android NDK: set ANDROID_NDK_HOME to its "
    "folder (the one that holds build/cmake/android.toolchain.cmake). None is installed on "
    "the machines this project is built on, so these presets have not been built.")
endif()
include("${zelbridge_ndk}/build/cmake/android.toolchain.cmake")
