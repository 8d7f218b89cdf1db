# Stands in for the Android NDK's toolchain file, of which there is none on
# this machine, in the checks of how the plugin's android/CMakeLists.txt and
# the android-* presets configure. It does to a configuration what the
# checks look at:
#   - it names the target: ANDROID and ANDROID_ABI (which Gradle and the
#     presets pass);
#   - it gives its own default linker flags the way the NDK's does, through
#     CMAKE_SHARED_LINKER_FLAGS_INIT, which seeds the cache entry
#     CMAKE_SHARED_LINKER_FLAGS: a configuration that sets that entry itself
#     replaces them.
# It compiles nothing for Android: the host's compilers stand in, so that
# CMake configures, and nothing is built.
set(CMAKE_SYSTEM_NAME Linux)
set(ANDROID TRUE)
set(ZELBRIDGE_NDK_STANDIN_LINKER_FLAGS
  "-Wl,--build-id=sha1 -Wl,--no-rosegment -Wl,--fatal-warnings -Wl,--gc-sections")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${ZELBRIDGE_NDK_STANDIN_LINKER_FLAGS}")
