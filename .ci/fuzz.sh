#!/usr/bin/env bash
# Fuzzing in CI: builds the libFuzzer target with clang and runs it for a
# bounded time from the seed corpus. Any crash, leak or sanitizer report ends
# the run with a non-zero status, which fails this script.
#
# Usage: .ci/fuzz.sh [seconds]   (default: 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

.ci/install-missing.sh fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# New inputs go into a scratch directory, so the checked-in seeds stay as
# they are; failing inputs are written into build/fuzz/.
build=build/fuzz
scratch=$build/corpus
mkdir -p "$scratch"
"$build/fuzz/json_deserialize_fuzz" "$scratch" fuzz/corpus/json \
  -dict=fuzz/json.dict -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/" 2>"$build/fuzz.log" || {
  tail -n 60 "$build/fuzz.log"
  echo "== fuzzing FAILED (input saved in $build/)"
  exit 1
}
tail -n 12 "$build/fuzz.log"
