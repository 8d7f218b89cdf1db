#!/usr/bin/env bash
# The texts that reach Dart, against their published contract
# (docs/envelopes.md and docs/envelopes.schema.json): both are generated from
# the catalogue, which matches the sources; every envelope the bridge posts
# while its test programs and the demo run validates against the schema, and
# every kind of wrong envelope is rejected (tools/envelopes/check_posts.py
# prints the count per kind); quicktype takes the schema as it stands and
# writes one Dart class per kind; and the plugin's own Dart envelope classes,
# generated from the catalogue, decode every envelope the bridge posts in its
# test programs and the demo, on the 32-bit Dart VM (the linux-x86 build's
# dart.envelope_recording_test, whose fixture records them afresh). Builds
# the dev and linux-x86 presets where needed.
set -euo pipefail
cd "$(dirname "$0")/.."
.ci/install-missing.sh envelopes
cmake --preset dev >/dev/null
cmake --build --preset dev

# Every check runs, so that one report shows all that disagrees.
status=0
/usr/bin/python3 tools/envelopes/generate.py --check || status=1
/usr/bin/python3 tools/envelopes/check_sources.py || status=1
/usr/bin/python3 tools/envelopes/check_posts.py --build build/dev || status=1

echo "== quicktype: Dart classes from the schema"
out=build/dev/envelopes/envelopes.dart
quicktype --src-lang schema --lang dart --out "$out" 'docs/envelopes.schema.json#/$defs/'
kinds=$(/usr/bin/python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["$defs"]))' \
  docs/envelopes.schema.json)
classes=$(grep -c '^class [A-Za-z]*\(Event\|Completion\|Error\) {' "$out")
echo "   $classes classes for the schema's $kinds kinds in $out (not compiled: no Dart SDK here)"
test "$classes" -eq "$kinds" || status=1

echo "== the plugin's Dart envelope classes against every post, on the Dart VM"
.ci/install-missing.sh dart-vm
{ cmake --preset linux-x86 >/dev/null && cmake --build --preset linux-x86 --target dart_suite &&
  ctest --preset dart-vm -R '^dart\.envelope_recording_test$'; } || status=1
exit $status
