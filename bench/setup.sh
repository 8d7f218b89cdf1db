#!/usr/bin/env bash
# Installs what the benchmarks need and the machine lacks: Google Benchmark and
# the peer JSON libraries, all from Debian's packages.
set -euo pipefail
cd "$(dirname "$0")/.."
.ci/install-missing.sh bench
