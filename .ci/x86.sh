#!/usr/bin/env bash
# 32-bit x86 in CI, the data model of the Dart VM that runs here:
#   1. the dart-vm workflow: the whole linux-x86 build (ILP32 x86, warnings
#      as errors, the pinned Dart layouts compiled for it) and the Dart suite
#      on the 32-bit Linux Dart VM;
#   2. the C++ suite of that same build, run natively (ctest only: step 1
#      built it);
#   3. production-linux-x86 against the stand-in SDK installed like a
#      vendor's, checked as the other Linux platforms are
#      (.ci/platform-production.sh): dynamic section, hardening, no build
#      path, exports, split debug symbols, the ABI against the 32-bit
#      baseline, and the demo run natively against the stripped library;
#   4. the dart-vm-windows workflow: the 32-bit MinGW-w64 DLL and the Dart
#      suite on the 32-bit Windows Dart VM under Wine.
# Every part runs even if one fails; the script fails if any did. At the end
# it prints the suites' counts (GoogleTest cases, Dart tests and their
# checks) and the Dart load test's figure, and writes them to
# build/ci-logs/x86-summary.txt. Installs what is missing (as root) and
# prints how long each part took.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)

.ci/install-missing.sh dart-vm
source .ci/wine-prefix.sh
source .ci/platform-production.sh
source .ci/suite-counts.sh

elapsed() { echo "$(( $(date +%s) - $1 ))s"; }
logs="$root/build/ci-logs"
gtest_reports="$logs/gtest-linux-x86"
mkdir -p "$logs"

failed=()
part() { # title command [arguments]
  local title=$1 start
  start=$(date +%s)
  shift
  echo "== $title"
  if "$@"; then
    echo "== $title took $(elapsed "$start")"
  else
    failed+=("$title")
    echo "== $title FAILED after $(elapsed "$start")"
  fi
}

dart_suite_linux() {
  cmake --workflow --preset dart-vm 2>&1 | tee "$logs/dart-vm.log"
}
cpp_suite() {
  rm -rf "$gtest_reports"
  GTEST_OUTPUT="xml:$gtest_reports/" ctest --preset linux-x86 2>&1 | tee "$logs/linux-x86.log"
}
dart_suite_windows() {
  cmake --workflow --preset dart-vm-windows 2>&1 | tee "$logs/dart-vm-windows.log"
}

part "linux-x86: build, and the Dart suite on the 32-bit Linux Dart VM (workflow dart-vm)" \
  dart_suite_linux
part "linux-x86: the C++ suite, natively" cpp_suite
part "production-linux-x86" production linux-x86 lib/libZelSDK.so check_elf abi/libzelbridge-ilp32.abi
part "windows-x86: the Dart suite on the 32-bit Windows Dart VM under Wine (workflow dart-vm-windows)" \
  dart_suite_windows
stop_wineserver

ctest_total() { # log
  grep -E '^[0-9]+% tests passed, ' "$1" | tail -n 1 || echo "no CTest summary in $1"
}
{
  echo "C++ suite, ILP32 x86: $(ctest_total "$logs/linux-x86.log")"
  echo "  $(gtest_counts "$gtest_reports")"
  for suite in dart-vm:linux_ia32 dart-vm-windows:windows_ia32; do
    log="$logs/${suite%%:*}.log"
    echo "Dart suite, ${suite#*:}: $(ctest_total "$log")"
    echo "  $(dart_counts "$log")"
    load_lines "$log" | sed 's/^/  /'
  done
} | tee "$logs/x86-summary.txt"

if [ ${#failed[@]} -gt 0 ]; then
  echo "== 32-bit x86 FAILED: ${failed[*]} ($(elapsed "$started"))"
  exit 1
fi
echo "== 32-bit x86 passed in $root ($(elapsed "$started"))"
