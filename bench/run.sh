#!/usr/bin/env bash
# Builds the game and the benchmark driver (optimised: the bench preset, in build-bench/)
# and plays a long game through pipes. Usage: bench/run.sh [DAYS]   (default 20000)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target geekpath geekpath_bench >/dev/null
folder=$(mktemp -d /tmp/geekpath-bench-XXXXXX)
trap 'rm -rf "$folder"' EXIT
build-bench/bench/geekpath_bench "$PWD/build-bench/geekpath" "$folder" "${1:-20000}"
