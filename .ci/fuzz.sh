#!/usr/bin/env bash
# Fuzzing in CI: builds the libFuzzer target with clang and runs it for a
# bounded time from the seed corpus. Any crash, leak or sanitizer report ends
# the run with a non-zero status, which fails this script.
#
# Usage: .ci/fuzz.sh [seconds]   (default: 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

.ci/install-missing.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DZELBRIDGE_BUILD_FUZZ=ON \
  -DZELBRIDGE_BUILD_TESTS=OFF -DZELBRIDGE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-fuzz -j2 --target json_deserialize_fuzz

# New inputs go into a scratch directory, so the checked-in seeds stay as
# they are; failing inputs are written into build-fuzz/.
scratch=build-fuzz/corpus
mkdir -p "$scratch"
build-fuzz/fuzz/json_deserialize_fuzz "$scratch" fuzz/corpus/json \
  -dict=fuzz/json.dict -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build-fuzz/ 2>build-fuzz/fuzz.log || {
  tail -n 60 build-fuzz/fuzz.log
  echo "== fuzzing FAILED (input saved in build-fuzz/)"
  exit 1
}
tail -n 12 build-fuzz/fuzz.log
