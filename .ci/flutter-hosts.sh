#!/usr/bin/env bash
# The Flutter plugin (flutter_plugin/) in hosts shaped like the builds that
# Flutter runs, without Flutter, which this machine does not have:
#   linux    tests/flutter_hosts/linux, the shape of Flutter's Linux runner,
#            adds the plugin's linux/ folder through a real symbolic link and
#            builds it in Debug, Profile and Release with GoogleTest made
#            unavailable, against a Dart SDK found through FLUTTER_ROOT. Each
#            build is checked: the bundle and what the install wrote, the
#            executables and target names, the compile flags of the build
#            type, the Dart API layer's origin, and the app, started from
#            another folder, opening libzelbridge.so by its bare name and
#            finding every export. A second plugin folder takes the
#            installed package instead (find_package).
#   windows  tests/flutter_hosts/windows, the shape of Flutter's Windows
#            runner, built with MinGW-w64, bundles the MinGW production
#            build of zelbridge.dll through the plugin's windows/ folder; the
#            app runs under Wine.
#   android  the plugin's android/CMakeLists.txt and the android-* presets,
#            configured with a stand-in for the NDK's toolchain file: the
#            16 KB page flag on the 64-bit ABIs only, the toolchain's own
#            linker flags kept, and no configuration without a Dart SDK.
# Every check is also made to fail once, on a fault of its kind. Installs
# what is missing and prints how long each part took.
#
# Usage: .ci/flutter-hosts.sh [linux] [windows] [android]   (all three by default)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)
elapsed() { echo "$(($(date +%s) - $1))s"; }

parts=("$@")
if [ ${#parts[@]} -eq 0 ]; then
  parts=(linux windows android)
fi
for part in "${parts[@]}"; do
  case $part in
    linux | windows | android) ;;
    *)
      echo "usage: $0 [linux] [windows] [android]" >&2
      exit 2
      ;;
  esac
done

.ci/install-missing.sh demo g++-mingw-w64-x86-64-posix wine wine64

work="$root/build/flutter-hosts"
hosts="$root/tests/flutter_hosts"
logs="$work/logs"
elsewhere="$work/elsewhere"
rm -rf "$elsewhere" "$logs"
mkdir -p "$elsewhere" "$logs"

# Wine's prefix is the Windows test builds' (cmake/toolchains/wine-run.sh).
# Once the Windows part has started the prefix's server, it is stopped
# however this script ends; the other parts leave Wine alone.
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelbridge-wine}"
stop_wineserver() { wineserver -k 2>/dev/null || true; }
trap 'exit 130' INT TERM

# A Flutter SDK stand-in: only its Dart SDK's include/ folder is read.
flutter_root="$work/flutter"
cmake -DLAYOUT=plain -DMINOR=6 -DDESTINATION="$flutter_root/bin/cache/dart-sdk" \
  -P tests/dart_sdk_layouts/make_dart_sdk.cmake >/dev/null
dart_include="$flutter_root/bin/cache/dart-sdk/include"

# Runs a command that must fail, with output matching a pattern, and prints
# what matched. CMake wraps its messages at word boundaries, wherever a long
# path puts them, so the output is matched with its white space joined.
expected_failures=0
expect_failure() { # description pattern command...
  local description=$1 pattern=$2 log
  shift 2
  expected_failures=$((expected_failures + 1))
  log="$logs/expected-failure-$expected_failures.log"
  if "$@" >"$log" 2>&1; then
    echo "== FAILED: the check passed on $description"
    cat "$log"
    exit 1
  fi
  if ! tr -s ' \n' '  ' <"$log" | grep -E -o -m1 -- "$pattern" >"$log.match"; then
    echo "== FAILED: on $description the check failed, but not with /$pattern/:"
    cat "$log"
    exit 1
  fi
  echo "   fails, as it must, on $description: $(head -n1 "$log.match" | cut -c1-300)"
}

# An app's platform folder as Flutter lays it out: the runner's files, and
# the plugin reached through flutter/ephemeral/.plugin_symlinks/zelbridge.
make_app() { # name platform plugin-folder
  local app="$work/$1/$2"
  rm -rf "${work:?}/$1"
  mkdir -p "$app/flutter/ephemeral/.plugin_symlinks"
  cp -r "$hosts/$2/." "$app/"
  ln -s "$3" "$app/flutter/ephemeral/.plugin_symlinks/zelbridge"
}

# --- Linux --------------------------------------------------------------------

configure_linux() { # build-dir [cmake arguments]
  local build=$1
  shift
  FLUTTER_ROOT="$flutter_root" cmake -S "$work/linux-app/linux" -B "$build" -G Ninja \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DZELBRIDGE_HOST_APP_DIR="$hosts/app" "$@"
}
# As `flutter build linux` builds: the install target.
build_host() { # build-dir
  cmake --build "$1" --target install
}
check_linux_build() { # build-dir build-type [cmake arguments]
  cmake -DBUILD_DIR="$1" -DBUILD_TYPE="$2" -DAPP=zelbridge_host -DDART_INCLUDE_DIR="$dart_include" \
    -DSOURCE_DIR="$root" -DTARGETS_FILE="$1/plugin_targets.txt" "${@:3}" \
    -P "$hosts/check_host_build.cmake"
}
check_linux_bundle() { # build-dir
  cmake -DBUNDLE="$1/bundle" "-DEXPECTED=zelbridge_host;lib;lib/libzelbridge.so;lib/libZelSDK.so" \
    -DMANIFEST="$1/install_manifest.txt" -P "$hosts/check_bundle.cmake"
}
# An app, started in another folder, with no library path.
run_linux_app() { # app [names to look up]
  (cd "$elsewhere" && env -u LD_LIBRARY_PATH "$@")
}
check_linux() { # build-dir build-type
  check_linux_build "$1" "$2" && check_linux_bundle "$1" && run_linux_app "$1/bundle/zelbridge_host"
}
show_plugin_messages() { # configure-log
  grep -E "^-- zelbridge: " "$1" || true
}

linux_hosts() {
  local part debug profile host_flags release vendor package_build
  part=$(date +%s)
  rm -rf "$work"/linux-* "$work/package" "$work/vendor"
  echo "== Linux: the plugin in a host shaped like Flutter's Linux runner"
  make_app linux-app linux "$root/flutter_plugin"

  # Debug: no build type given, the runner picks it.
  debug="$work/linux-debug"
  configure_linux "$debug" >"$logs/linux-debug-configure.log" 2>&1
  show_plugin_messages "$logs/linux-debug-configure.log"
  build_host "$debug" >"$logs/linux-debug-build.log" 2>&1
  echo "== Linux Debug, built in $(elapsed "$part")"
  check_linux "$debug" Debug

  echo "== Linux: each check on a fault of its kind"
  expect_failure "the app run from the build tree, beside no bundled library" "cannot open" \
    run_linux_app "$debug/intermediates_do_not_run/zelbridge_host"
  expect_failure "an export the library lacks" "missing export" \
    run_linux_app "$debug/bundle/zelbridge_host" DartNoSuchExport
  expect_failure "the Debug build taken for Release" "needs -O2 or -O3" \
    check_linux_build "$debug" Release
  expect_failure "a Dart SDK other than FLUTTER_ROOT's" "Dart API layer compiles from" \
    cmake -DBUILD_DIR="$debug" -DBUILD_TYPE=Debug -DAPP=zelbridge_host \
    -DDART_INCLUDE_DIR="$root/dart_api/include" -DSOURCE_DIR="$root" -P "$hosts/check_host_build.cmake"
  # The project's install rules and its demo, asked for: the demo's link is
  # in the build, and the install writes the header and the CMake package
  # into the bundle (which the runner then wipes, before it installs its own
  # files). Configured and installed, not built.
  configure_linux "$debug" -DZELBRIDGE_INSTALL=ON -DZELBRIDGE_BUILD_DEMO=ON \
    >"$logs/linux-debug-faults.log" 2>&1
  expect_failure "a build with the demo" "links the executables.*zelbridge-demo" \
    check_linux_build "$debug" Debug
  cmake --install "$debug" >"$logs/linux-debug-install-all.log" 2>&1
  expect_failure "an install with the project's install rules" \
    "installed, though not expected: .*include/zelbridge.h" check_linux_bundle "$debug"
  # The same rules alone make the installed package for the find_package host.
  cmake --install "$debug" --component Unspecified --prefix "$work/package" >/dev/null
  configure_linux "$debug" -DZELBRIDGE_INSTALL=OFF -DZELBRIDGE_BUILD_DEMO=OFF >/dev/null 2>&1
  build_host "$debug" >/dev/null
  check_linux_build "$debug" Debug >/dev/null
  check_linux_bundle "$debug" >/dev/null
  echo "   and passes again without them"
  expect_failure "no FLUTTER_ROOT" "no Dart SDK to build against" \
    env -u FLUTTER_ROOT cmake -S "$work/linux-app/linux" -B "$work/linux-no-dart" -G Ninja \
    -DZELBRIDGE_HOST_APP_DIR="$hosts/app"
  expect_failure "a FLUTTER_ROOT without a Dart SDK" "holds no Dart SDK" \
    env FLUTTER_ROOT="$elsewhere" cmake -S "$work/linux-app/linux" -B "$work/linux-no-dart" \
    -G Ninja -DZELBRIDGE_HOST_APP_DIR="$hosts/app"

  # Profile, against an SDK library from outside (the Debug build's stand-in,
  # as a vendor's file): the bridge alone is built, and bundled with it.
  vendor="$work/vendor"
  mkdir -p "$vendor"
  cp "$debug/bundle/lib/libZelSDK.so" "$vendor/"
  profile="$work/linux-profile"
  configure_linux "$profile" -DCMAKE_BUILD_TYPE=Profile -DZELBRIDGE_SDK_LIBRARY="$vendor/libZelSDK.so" \
    >"$logs/linux-profile-configure.log" 2>&1
  show_plugin_messages "$logs/linux-profile-configure.log"
  build_host "$profile" >"$logs/linux-profile-build.log" 2>&1
  echo "== Linux Profile, against the vendor's library, built at $(elapsed "$part")"
  check_linux "$profile" Profile
  cmp "$vendor/libZelSDK.so" "$profile/bundle/lib/libZelSDK.so"

  # A host that sets flags for Profile itself, as Flutter's Windows runner
  # does: the plugin takes them, not Release's. Configured, not built.
  host_flags="-O2 -DNDEBUG -DHOST_PROFILE_FLAGS"
  configure_linux "$work/linux-profile-host-flags" -DCMAKE_BUILD_TYPE=Profile \
    -DCMAKE_C_FLAGS_PROFILE="$host_flags" -DCMAKE_CXX_FLAGS_PROFILE="$host_flags" \
    >"$logs/linux-profile-host-flags.log" 2>&1
  check_linux_build "$work/linux-profile-host-flags" Profile -DHOST_FLAG=-DHOST_PROFILE_FLAGS
  expect_failure "a flag the host did not set" "without the host's -DHOST_RELEASE_FLAGS" \
    check_linux_build "$work/linux-profile-host-flags" Profile -DHOST_FLAG=-DHOST_RELEASE_FLAGS

  release="$work/linux-release"
  configure_linux "$release" -DCMAKE_BUILD_TYPE=Release >"$logs/linux-release-configure.log" 2>&1
  build_host "$release" >"$logs/linux-release-build.log" 2>&1
  echo "== Linux Release, built at $(elapsed "$part")"
  check_linux "$release" Release

  echo "== Linux: a plugin folder that takes the installed package (find_package)"
  make_app linux-package-app linux "$hosts/find_package_plugin"
  package_build="$work/linux-package"
  configure_package_host "$package_build" >"$logs/linux-package-configure.log" 2>&1
  build_host "$package_build" >"$logs/linux-package-build.log" 2>&1
  check_linux_bundle "$package_build"
  run_linux_app "$package_build/bundle/zelbridge_host"
  expect_failure "the package imported only in the plugin's folder" \
    "No target \"zelbridge::zelbridge\"" configure_package_host "$work/linux-package-local" \
    -DZELBRIDGE_PLUGIN_LOCAL_IMPORT=ON
  echo "== Linux took $(elapsed "$part")"
}
configure_package_host() { # build-dir [cmake arguments]
  local build=$1
  shift
  cmake -S "$work/linux-package-app/linux" -B "$build" -G Ninja \
    -DZELBRIDGE_HOST_APP_DIR="$hosts/app" -DCMAKE_PREFIX_PATH="$work/package" \
    -DZELBRIDGE_SDK_LIBRARY="$work/vendor/libZelSDK.so" "$@"
}

# --- Windows ------------------------------------------------------------------

mingw_toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"
configure_windows() { # build-dir build-type [cmake arguments]
  local build=$1 type=$2
  shift 2
  cmake -S "$work/windows-app/windows" -B "$build" -G Ninja --toolchain "$mingw_toolchain" \
    -DCMAKE_BUILD_TYPE="$type" -DZELBRIDGE_HOST_APP_DIR="$hosts/app" \
    -DZELBRIDGE_WINDOWS_DLL_DIR="$work/windows-prebuilt" "$@"
}
# The bundle is the .exe's own folder, runner/<build type>/.
check_windows_bundle() { # build-dir build-type
  cmake -DBUNDLE="$1/runner/$2" "-DEXPECTED=zelbridge_host.exe;zelbridge.dll;ZelSDK.dll" \
    -DMANIFEST="$1/install_manifest.txt" -P "$hosts/check_bundle.cmake"
}
run_windows_app() { # exe [names to look up]
  (cd "$elsewhere" && "$root/cmake/toolchains/wine-run.sh" "$@")
}

windows_host() {
  local part dll_build prebuilt type build stray
  part=$(date +%s)
  trap stop_wineserver EXIT
  rm -rf "$work"/windows-*
  echo "== Windows: the MinGW-w64 production build of zelbridge.dll, against the stand-in SDK"
  dll_build="$work/windows-dll"
  cmake -S . -B "$dll_build" -G Ninja --toolchain "$mingw_toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DZELBRIDGE_SPLIT_DEBUG_INFO=ON -DZELBRIDGE_BUILD_TESTS=OFF -DZELBRIDGE_BUILD_DEMO=OFF \
    -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$dart_include" >"$logs/windows-dll-configure.log" 2>&1
  cmake --build "$dll_build" --target zelbridge zelbridge_sdk >"$logs/windows-dll-build.log" 2>&1
  prebuilt="$work/windows-prebuilt"
  mkdir -p "$prebuilt"
  cp "$dll_build/bin/zelbridge.dll" "$dll_build/bin/ZelSDK.dll" "$prebuilt/"
  cmake -DHEADER=include/zelbridge.h -DLIBRARY="$prebuilt/zelbridge.dll" \
    -DOBJDUMP=x86_64-w64-mingw32-objdump -P tests/check_dll_tables.cmake
  echo "== Windows DLL built in $(elapsed "$part")"

  echo "== Windows: the plugin in a host shaped like Flutter's Windows runner (MinGW-w64, Wine)"
  make_app windows-app windows "$root/flutter_plugin"
  for type in Debug Profile Release; do
    build="$work/windows-$type"
    configure_windows "$build" "$type" >"$logs/windows-$type-configure.log" 2>&1
    build_host "$build" >"$logs/windows-$type-build.log" 2>&1
    echo "== Windows $type"
    check_windows_bundle "$build" "$type"
    run_windows_app "$build/runner/$type/zelbridge_host.exe"
  done

  echo "== Windows: each check on a fault of its kind"
  stray="$work/windows-stray"
  configure_windows "$stray" Release -DZELBRIDGE_HOST_STRAY_INSTALL=ON >"$logs/windows-stray.log" 2>&1
  build_host "$stray" >>"$logs/windows-stray.log" 2>&1
  expect_failure "an install rule of a subproject under \${CMAKE_INSTALL_PREFIX}, next to the .exe" \
    "not expected: cmake, cmake/host_app.cmake" check_windows_bundle "$stray" Release
  expect_failure "an install rule of a subproject with a relative destination" \
    "installed, though not expected: .*include/host_app.cc" check_windows_bundle "$stray" Release
  mkdir -p "$work/windows-alone"
  cp "$work/windows-Release/runner/Release/zelbridge_host.exe" "$work/windows-alone/"
  expect_failure "the app without the bundled DLLs" "cannot open zelbridge.dll" \
    run_windows_app "$work/windows-alone/zelbridge_host.exe"
  expect_failure "an export the DLL lacks" "missing export" \
    run_windows_app "$work/windows-Release/runner/Release/zelbridge_host.exe" DartNoSuchExport
  expect_failure "a DLL folder without zelbridge.dll" "zelbridge: [^ ]*/elsewhere/zelbridge.dll is missing" \
    configure_windows "$work/windows-no-dll" Release -DZELBRIDGE_WINDOWS_DLL_DIR="$elsewhere"
  stop_wineserver
  echo "== Windows took $(elapsed "$part")"
}

# --- Android ------------------------------------------------------------------

ndk_toolchain="$hosts/android/ndk_standin.toolchain.cmake"
# The toolchain's own linker flags, as the stand-in gives them.
ndk_linker_flags="-Wl,--build-id=sha1;-Wl,--no-rosegment;-Wl,--fatal-warnings;-Wl,--gc-sections"
android_sdk="$work/android-sdk"
configure_android() { # build-dir abi [cmake arguments]
  local build=$1 abi=$2
  shift 2
  env -u FLUTTER_ROOT cmake -S flutter_plugin/android -B "$build" -G Ninja --toolchain "$ndk_toolchain" \
    -DANDROID_ABI="$abi" -DANDROID_STL=c++_shared -DANDROID_SUPPORT_FLEXIBLE_PAGE_SIZES=ON \
    -DZELBRIDGE_ANDROID_SDK_DIR="$android_sdk" "$@"
}
# The presets, through cmake/toolchains/android-ndk.cmake and an NDK folder
# whose toolchain file is the stand-in.
configure_preset() { # abi [cmake arguments]
  local abi=$1
  shift
  ANDROID_NDK_HOME="$work/ndk" cmake --preset "android-$abi" -B "$work/preset-android-$abi" \
    -DZELBRIDGE_SDK_LIBRARY="$android_sdk/arm64-v8a/libZelSDK.so" \
    -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$dart_include" "$@"
}
check_android() { # build-dir page-size libraries [cmake arguments]
  cmake -DBUILD_DIR="$1" -DPAGE_SIZE="$2" "-DTOOLCHAIN_FLAGS=$ndk_linker_flags" "-DLIBRARIES=$3" \
    "${@:4}" -P "$hosts/check_link_flags.cmake"
}

android_configurations() {
  local part abi
  part=$(date +%s)
  rm -rf "$work"/android-* "$work"/preset-android-* "$work/ndk"
  echo "== Android: the plugin's CMakeLists.txt and the android-* presets, with a stand-in NDK toolchain"
  # The vendor's library for arm64-v8a only: the other ABIs take the stand-in.
  # Nothing is linked, so an empty file holds its place.
  mkdir -p "$android_sdk/arm64-v8a" "$work/ndk/build/cmake"
  touch "$android_sdk/arm64-v8a/libZelSDK.so"
  echo "include(\"$ndk_toolchain\")" >"$work/ndk/build/cmake/android.toolchain.cmake"

  for abi in arm64-v8a armeabi-v7a x86_64; do
    configure_android "$work/android-$abi" "$abi" -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$dart_include" \
      >"$logs/android-$abi.log" 2>&1
    show_plugin_messages "$logs/android-$abi.log"
  done
  check_android "$work/android-arm64-v8a" ON libzelbridge.so \
    -DSDK_LIBRARY="$android_sdk/arm64-v8a/libZelSDK.so"
  check_android "$work/android-armeabi-v7a" OFF "libzelbridge.so;libZelSDK.so"
  check_android "$work/android-x86_64" ON "libzelbridge.so;libZelSDK.so"
  configure_preset arm64-v8a >"$logs/preset-android-arm64-v8a.log" 2>&1
  check_android "$work/preset-android-arm64-v8a" ON libzelbridge.so
  configure_preset armeabi-v7a >"$logs/preset-android-armeabi-v7a.log" 2>&1
  check_android "$work/preset-android-armeabi-v7a" OFF libzelbridge.so
  configure_preset x86_64 >"$logs/preset-android-x86_64.log" 2>&1
  check_android "$work/preset-android-x86_64" ON libzelbridge.so

  echo "== Android: each check on a fault of its kind"
  expect_failure "a 32-bit ABI taken for a 64-bit one" "links without -Wl,-z,max-page-size=16384" \
    check_android "$work/android-armeabi-v7a" ON "libzelbridge.so;libZelSDK.so"
  expect_failure "no Dart SDK path and no FLUTTER_ROOT" "no Dart SDK to build against" \
    configure_android "$work/android-no-dart" arm64-v8a
  # What the presets did before: the flag as the cache's CMAKE_SHARED_LINKER_FLAGS.
  configure_preset arm64-v8a --fresh -DCMAKE_SHARED_LINKER_FLAGS=-Wl,-z,max-page-size=16384 \
    >"$logs/preset-android-old-flags.log" 2>&1
  expect_failure "the page flag given as CMAKE_SHARED_LINKER_FLAGS" "lost the toolchain's" \
    check_android "$work/preset-android-arm64-v8a" ON libzelbridge.so
  echo "== Android took $(elapsed "$part")"
}

for part in "${parts[@]}"; do
  case $part in
    linux) linux_hosts ;;
    windows) windows_host ;;
    android) android_configurations ;;
  esac
done
echo "== Flutter hosts passed (${parts[*]}), $expected_failures checks shown failing on purpose" \
  "($(elapsed "$started"))"
