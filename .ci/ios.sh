#!/usr/bin/env bash
# iOS in CI. Nothing built for iOS can run here, so only the files are
# checked, by LLVM's tools and Python:
#   - the ios workflow: the three static slices (bundled Dart API layer)
#     joined into zelbridge.xcframework, its checks, and each check failing
#     on a faulty copy;
#   - the shipped xcframework (production-ios) against a Dart SDK stand-in
#     laid out as an installed Dart SDK, with the same checks;
#   - no shipped file, slice or xcframework, holds the checkout's path.
# Installs what is missing (as root) and prints how long each part took.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)
elapsed() { echo "$(( $(date +%s) - $1 ))s"; }

.ci/install-missing.sh ios

part=$(date +%s)
echo "== iOS: the ios workflow"
cmake --workflow --preset ios
echo "== iOS: the ios workflow took $(elapsed "$part")"

part=$(date +%s)
echo "== iOS: the shipped xcframework (production-ios)"
dart_sdk="$root/build/fixtures/dart-sdk-plain"
cmake -DLAYOUT=plain -DMINOR=6 -DDESTINATION="$dart_sdk" \
  -P tests/dart_sdk_layouts/make_dart_sdk.cmake >/dev/null
cmake --preset production-ios -DZELBRIDGE_DART_SDK_INCLUDE_DIR="$dart_sdk/include" >/dev/null
cmake --build --preset production-ios
ctest --preset production-ios
echo "== iOS: production-ios took $(elapsed "$part")"

shipped=(build/ios/zelbridge.xcframework build/production-ios/zelbridge.xcframework
  build/ios/slices/*/lib/libzelbridge.a build/production-ios/slices/*/lib/libzelbridge.a)
if grep -rlF "$root" "${shipped[@]}"; then
  echo "== iOS FAILED: the files above hold the checkout's path $root"
  exit 1
fi
echo "== iOS: no shipped file names $root"
echo "== iOS passed ($(elapsed "$started"))"
