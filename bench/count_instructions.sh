#!/usr/bin/env bash
# Instructions per delivered envelope, counted by callgrind: each callback
# or adapter and everything it calls (serializing, the port lock, the
# stand-in port's copy), divided by the number of texts posted to the port.
# Counts are repeatable from run to run, unlike timings on a shared machine.
#
# Usage: bench/count_instructions.sh [BENCH_BINARY] [SIZES...]
#   BENCH_BINARY defaults to build/bench/bench/zelbridge_bench; SIZES to
#   100 4096 65536.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/bench/bench/zelbridge_bench}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100 4096 65536)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Sums the calls into the stand-in port's PostCObject (one per envelope
# here: one port, which takes every text) and prints the collected
# instructions per call.
per_envelope() {
  python3 - "$1" <<'PY'
import re, sys
names, calls, total, pending = {}, 0, 0, False
for line in open(sys.argv[1], errors="replace"):
    m = re.match(r"c?fn=\((\d+)\)(?: (.*))?", line)
    if m:
        if m.group(2):
            names[m.group(1)] = m.group(2)
        pending = line.startswith("cfn=") and "PostCObject" in names.get(m.group(1), "")
        continue
    if pending and line.startswith("calls="):
        calls += int(line.split()[0][len("calls="):])
        pending = False
    elif line.startswith("totals:"):
        total = int(line.split()[1])
print(f"{total / calls:,.0f}" if calls else "-")
PY
}

# name, benchmark, and the function whose calls are counted, by its whole
# name: callgrind toggles collection at every function whose name matches,
# so a pattern that also matched a lambda inside the callback would leave
# out the lambda's work.
completion='DartZelCommonCallback(int, char const*, char const*, void const*)'
event='DartZelReceiveNewMsgCallback(char const*, void const*)'
read_member_list='DartGetGroupMessageReadMemberListCallback(char const*, unsigned long, bool, void const*)'
# The peers' names may end in the compiler's " [clone ...]".
peer_completion='(anonymous namespace)::RapidJsonCommonCallback(int, char const*, char const*, void const*)*'
peer_event='(anonymous namespace)::RapidJsonNewMessageCallback(char const*, void const*)*'
cases=(
  "completion|sdk_threads_1/zelbridge|$completion"
  "completion, SSE2|sdk_threads_1/zelbridge_sse2|$completion"
  "event|event_1/zelbridge|$event"
  "event, SSE2|event_1/zelbridge_sse2|$event"
  "read-member-list|read_member_list/zelbridge|$read_member_list"
  "RapidJSON completion|sdk_threads_1/rapidjson|$peer_completion"
  "RapidJSON event|event_1/rapidjson|$peer_event"
)
printf '| envelope |'
for size in "${sizes[@]}"; do printf ' %s |' "$size"; done
printf '\n|---|'
for _ in "${sizes[@]}"; do printf -- '---:|'; done
printf '\n'
for entry in "${cases[@]}"; do
  IFS='|' read -r name benchmark function <<<"$entry"
  printf '| %s |' "$name"
  for size in "${sizes[@]}"; do
    valgrind --tool=callgrind --callgrind-out-file="$out/run" --toggle-collect="$function" \
      "$binary" --benchmark_filter="^delivery/$benchmark/$size\$" --benchmark_min_time=0.1 \
      >/dev/null 2>&1
    printf ' %s |' "$(per_envelope "$out/run")"
  done
  printf '\n'
done
