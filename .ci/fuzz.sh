#!/usr/bin/env bash
# Fuzzing in CI: builds the libFuzzer targets with clang and runs each for a
# bounded time from its seed corpus: the parser for the given time, the
# differential target of the string-escaping paths for half of it. Any crash,
# leak, sanitizer report or disagreement ends a run with a non-zero status,
# which fails this script.
#
# Usage: .ci/fuzz.sh [seconds]   (default: 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

.ci/install-missing.sh fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# New inputs go into a scratch directory per target, so the checked-in seeds
# stay as they are; failing inputs are written into build/fuzz/.
build=build/fuzz
fuzz() { # target corpus seconds [option...]
  local target=$1 corpus=$2 time=$3
  shift 3
  local scratch=$build/corpus-$target
  mkdir -p "$scratch"
  "$build/fuzz/$target" "$scratch" "fuzz/corpus/$corpus" "$@" -max_total_time="$time" \
    -print_final_stats=1 -artifact_prefix="$build/" 2>"$build/$target.log" || {
    tail -n 60 "$build/$target.log"
    echo "== fuzzing $target FAILED (input saved in $build/)"
    exit 1
  }
  tail -n 12 "$build/$target.log"
}
fuzz json_deserialize_fuzz json "$seconds" -dict=fuzz/json.dict
fuzz json_escape_paths_fuzz escape "$(( (seconds + 1) / 2 ))" -dict=fuzz/json.dict
