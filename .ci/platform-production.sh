# A platform's production build and the checks of what it ships, sourced by
# .ci/cross.sh and .ci/x86.sh from the project's root, where $root is the
# checkout. The production preset is built against the stand-in SDK that the
# platform's test build (build/<platform>) installs as a vendor would, and a
# Dart SDK stand-in; the installed library is checked (the DLL's tables on
# Windows, the dynamic section and the ABI on Linux), its debug information,
# split off into the component symbols, against it, and the test build's
# demo runs against the stripped library.
source .ci/debug-symbols.sh
source .ci/shipped-checks.sh

dart_sdk="$root/build/fixtures/dart-sdk-plain"
cmake -DLAYOUT=plain -DMINOR=6 -DDESTINATION="$dart_sdk" \
  -P tests/dart_sdk_layouts/make_dart_sdk.cmake >/dev/null

# It runs as an if condition, where set -e does not act: hence the chain.
production() { # platform sdk-library-in-prefix check-command [check arguments]
  local platform=$1 sdk_library=$2 check=$3
  local vendor="$root/build/$platform-vendor" dist="$root/build/$platform-dist"
  rm -rf "$vendor" "$dist" "build/production-$platform" &&
    cmake --install "build/$platform" --component zelsdk_standin --prefix "$vendor" >/dev/null &&
    cmake --preset "production-$platform" \
      -DZELBRIDGE_SDK_LIBRARY="$vendor/$sdk_library" -DZELBRIDGE_SDK_INCLUDE_DIR="$vendor/include" \
      -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$dart_sdk/include" >/dev/null &&
    cmake --build --preset "production-$platform" &&
    cmake --install "build/production-$platform" --prefix "$dist" >/dev/null &&
    "$check" "$dist" "$platform" "$vendor" "${@:4}"
}

# The demo of the platform's test build, run natively or under its emulator
# against the stripped library, with the SDK beside it as in an app bundle.
demo_on_stripped() { # platform demo library sdk-library
  local bundle="$root/build/$1-bundle"
  rm -rf "$bundle" && mkdir -p "$bundle" && cp "$3" "$4" "$bundle/" || return 1
  case $1 in
    windows-x64)
      cp "$2" "$bundle/" &&
        cmake/toolchains/wine-run.sh "$bundle/$(basename "$2")" --library "$bundle/$(basename "$3")"
      ;;
    linux-arm64) qemu-aarch64 -L /usr/aarch64-linux-gnu "$2" --library "$bundle/$(basename "$3")" ;;
    linux-armhf) qemu-arm -L /usr/arm-linux-gnueabihf "$2" --library "$bundle/$(basename "$3")" ;;
    linux-x86) env -u LD_LIBRARY_PATH "$2" --library "$bundle/$(basename "$3")" ;;
  esac >"$bundle/demo.log" && tail -n 1 "$bundle/demo.log"
}

check_dll() { # dist platform vendor
  local build="build/production-$2" symbols="$root/build/$2-symbols"
  cmake -DHEADER=include/zelbridge.h -DLIBRARY="$1/bin/zelbridge.dll" \
    -DOBJDUMP="$(target_tool "$build" OBJDUMP)" -P tests/check_dll_tables.cmake &&
    install_symbols "$build" "$1" "$symbols" bin/zelbridge.dll &&
    check_hardening "$build" "$1/bin/zelbridge.dll" "$symbols/bin/zelbridge.dll.debug" &&
    check_no_build_path "$1" &&
    check_split "$build" "$1" "$symbols" bin/zelbridge.dll "build/$2/bin/zelbridge.dll" &&
    demo_on_stripped "$2" "build/$2/bin/zelbridge-demo.exe" "$1/bin/zelbridge.dll" "$3/bin/ZelSDK.dll"
}

check_elf() { # dist platform vendor abi-baseline
  local build="build/production-$2" symbols="$root/build/$2-symbols"
  cmake -DLIBRARY="$1/lib/libzelbridge.so" -DREADELF=readelf -DSONAME=libzelbridge.so \
    -DNEEDED=libZelSDK.so -P tests/check_relocatable.cmake &&
    install_symbols "$build" "$1" "$symbols" lib/libzelbridge.so &&
    check_hardening "$build" "$1/lib/libzelbridge.so" &&
    check_no_build_path "$1" &&
    cmake -DHEADER=include/zelbridge.h -DSOURCE_DIR=src -DLIBRARY="$1/lib/libzelbridge.so" \
      -DNM="$(target_tool "$build" NM)" -P tests/check_exports.cmake &&
    check_split "$build" "$1" "$symbols" lib/libzelbridge.so "build/$2/lib/libzelbridge.so" &&
    check_shipped_abi "$build" "$1" "$symbols" lib/libzelbridge.so "$4" &&
    demo_on_stripped "$2" "build/$2/demo/zelbridge-demo" "$1/lib/libzelbridge.so" "$3/lib/libZelSDK.so"
}
