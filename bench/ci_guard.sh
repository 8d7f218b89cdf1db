#!/usr/bin/env bash
# A brief benchmark run for continuous integration: a few envelope, parse and
# delivery benchmarks next to the peer libraries, with the ratio tables that
# zelbridge_bench prints at the end. It reports only: timings on a shared
# machine are too noisy to fail a build on, so a slow run never fails CI;
# only a benchmark that cannot be built or run does.
#
# Usage: bench/ci_guard.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build/bench

bash bench/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench

# Payloads of 4 KiB and 1 MiB, string writing of a 64 KiB message list by
# each path, parsing of 16 KiB message lists, delivery of 100 B and 4 KiB
# payloads with its parts and next to the RapidJSON bridge; three
# repetitions, medians only.
filter='^envelope/(write|build_write)/[a-z_]+/(100|4096|1048576)$'
filter+='|^string/messages/[a-z0-9_]+/65536$'
filter+='|^parse/messages/[a-z]+/16384$'
filter+='|^delivery/[a-z_0-9]+/[a-z]+/(100|4096)(/|$)'
"$build_dir/bench/zelbridge_bench" \
  --benchmark_filter="$filter" \
  --benchmark_min_time=0.05 \
  --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true \
  --benchmark_enable_random_interleaving=true \
  --benchmark_color=false
