#!/usr/bin/env bash
# Production builds in CI, made the way docs/building.md tells a release engineer,
# from inputs outside the tree:
#   1. the bridge, its Dart-facing tests and the demo against an installed
#      Dart SDK's include/ folder, once in each layout that SDK releases use
#      (stand-ins written by tests/dart_sdk_layouts/make_dart_sdk.cmake);
#   2. the stand-in SDK delivered into a prefix of its own, as a vendor
#      delivers an SDK; the production preset built against it, installed,
#      and the installed library's dynamic section checked; the library and
#      the SDK copied into one folder, as an app bundle holds them, and the
#      demo run against that folder with no LD_LIBRARY_PATH;
#   3. the library's debug information, split off into the component
#      symbols: the stripped library checked against its debug file, and
#      its ABI read through that file compared with the baseline; the ABI
#      check must fail on a scratch copy of the sources with one changed
#      signature;
#   4. a project outside the tree built against the installed package.
# Needs the dev build (build/dev) for the stand-in SDK, the demo host and an
# unsplit library.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source .ci/debug-symbols.sh
source .ci/shipped-checks.sh
work="$root/build/production-check"
rm -rf "$work"
mkdir -p "$work"

dart_sdk() { # layout minor-version [string-member]: writes a Dart SDK stand-in, prints its include/
  local sdk="$root/build/fixtures/dart-sdk-$1-$2-${3:-const}"
  cmake -DLAYOUT="$1" -DMINOR="$2" -DSTRING="${3:-const}" -DDESTINATION="$sdk" \
    -P tests/dart_sdk_layouts/make_dart_sdk.cmake >&2
  echo "$sdk/include"
}

# Older releases (API 2.2) include their headers with the folder's name and
# declare a string message's text char*; newer ones neither.
for sdk in prefixed:2:mutable plain:6:const; do
  IFS=: read -r layout minor string <<<"$sdk"
  echo "== bridge and demo tests against a Dart SDK in the $layout layout, API 2.$minor, $string as_string"
  include_dir=$(dart_sdk "$layout" "$minor" "$string")
  cmake --preset dart-sdk --fresh -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$include_dir" >/dev/null
  # The Dart API layer must come from the SDK, never from the bundled one.
  if grep -q "$root/dart_api/include" build/dart-sdk/compile_commands.json; then
    echo "== the build used the bundled Dart API layer instead of $include_dir"
    exit 1
  fi
  cmake --build --preset dart-sdk
  ctest --preset dart-sdk
done

echo "== SDK delivered from outside, production build, install"
[ -f build/dev/CMakeCache.txt ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target zelbridge_sdk zelbridge-demo zelbridge
vendor="$work/vendor"
cmake --install build/dev --component zelsdk_standin --prefix "$vendor"
production_paths=(-DZELBRIDGE_SDK_LIBRARY="$vendor/lib/libZelSDK.so"
  -DZELBRIDGE_SDK_INCLUDE_DIR="$vendor/include"
  -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$(dart_sdk plain 6)")
cmake --preset production --fresh "${production_paths[@]}" >/dev/null
cmake --build --preset production
dist="$work/dist"
cmake --install build/production --prefix "$dist"
cmake -DLIBRARY="$dist/lib/libzelbridge.so" -DREADELF=readelf \
  -DSONAME=libzelbridge.so -DNEEDED=libZelSDK.so -P tests/check_relocatable.cmake
echo "== exploit mitigations and no build path in the shipped library"
check_hardening build/production "$dist/lib/libzelbridge.so"
check_no_build_path "$dist"
# The check finds a path where there is one: the dev build's library still
# has its debug information, which names the checkout.
if check_no_build_path build/dev/lib/libzelbridge.so >/dev/null; then
  echo "== the build-path check passed a library whose debug information names $root"
  exit 1
fi

echo "== the bundle: bridge and SDK in one folder, loaded from there alone"
bundle="$work/bundle/lib"
mkdir -p "$bundle"
cp "$dist/lib/libzelbridge.so" "$vendor/lib/libZelSDK.so" "$bundle/"
resolved=$(env -u LD_LIBRARY_PATH ldd "$bundle/libzelbridge.so" | grep libZelSDK.so)
echo "$resolved"
[[ "$resolved" == *"=> $bundle/libZelSDK.so"* ]]
env -u LD_LIBRARY_PATH build/dev/demo/zelbridge-demo --library "$bundle/libzelbridge.so" >"$work/demo.log"
tail -n 1 "$work/demo.log"

echo "== symbols: the shipped library stripped, its debug file apart"
symbols="$work/symbols"
install_symbols build/production "$dist" "$symbols" lib/libzelbridge.so
cmake -DHEADER=include/zelbridge.h -DSOURCE_DIR=src -DLIBRARY="$dist/lib/libzelbridge.so" \
  -P tests/check_exports.cmake
check_split build/production "$dist" "$symbols" lib/libzelbridge.so build/dev/lib/libzelbridge.so
echo "== the ABI of the shipped library, read through its debug file"
check_shipped_abi build/production "$dist" "$symbols" lib/libzelbridge.so abi/libzelbridge.abi

echo "== the same check on a scratch copy of the sources in which DartLogin returns int64_t"
changed="$work/signature-change"
mkdir -p "$changed"
tar -c --exclude=./build --exclude=./.git . | tar -x -C "$changed"
changed_files=("$changed/include/zelbridge.h" "$changed/src/operations_account_message.cpp")
sed -i 's/^ZELBRIDGE_EXPORT int DartLogin(/ZELBRIDGE_EXPORT int64_t DartLogin(/' "${changed_files[@]}"
if [ "$(cat "${changed_files[@]}" | grep -c '^ZELBRIDGE_EXPORT int64_t DartLogin(')" -ne 2 ]; then
  echo "== DartLogin's declaration or definition has moved: the scratch copy is unchanged"
  exit 1
fi
(cd "$changed" && cmake --preset production "${production_paths[@]}" >/dev/null &&
  cmake --build --preset production --target zelbridge >/dev/null)
changed_lib="$changed/build/production/lib"
if cmake -DMODE=check -DLIBRARY="$changed_lib/libzelbridge.so" -DDEBUG_INFO_DIR="$changed_lib" \
  -DBASELINE=abi/libzelbridge.abi -DHEADERS_DIR=include -DSOURCE_DIR="$root" -DWORK_DIR="$work" \
  -P tests/check_abi.cmake >"$work/abi-changed-source.log" 2>&1; then
  echo "== the ABI check passed a library whose DartLogin returns int64_t"
  exit 1
fi
grep -A2 "'function int DartLogin(" "$work/abi-changed-source.log"

echo "== a project outside the tree, built against the installed package"
# As in a plugin's bundle, the SDK sits beside the installed bridge.
cp "$vendor/lib/libZelSDK.so" "$dist/lib/"
cmake -S tests/package_consumer -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$dist" >/dev/null
cmake --build "$work/consumer"
env -u LD_LIBRARY_PATH "$work/consumer/package_consumer"
echo "== production builds passed"
