#!/usr/bin/env bash
# Installs what the benchmarks need and the machine lacks: Google Benchmark and
# the peer JSON libraries, all from Debian's packages.
set -euo pipefail

packages=(cmake g++ libbenchmark-dev rapidjson-dev nlohmann-json3-dev libsimdjson-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "== installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
