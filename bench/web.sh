#!/usr/bin/env bash
# The figures of the game in the browser. Builds the site (the web preset, in build-web/)
# and the native game with the benchmark driver (the bench preset, in build-bench/), then
# prints:
#   - the weight of the page: every file of build-web/site, gzip -9, each and in total;
#   - the time from navigation to the first prompt in headless Chromium, against a page
#     with the terminal widget alone (bench/web-startup.mjs);
#   - the long game of bench/run.sh, its recorded scripts replayed through the Node.js
#     runner of the WebAssembly game as through the native game;
#   - Lighthouse's scores on a phone, with the largest contentful paint and the layout
#     shift, the site served gzipped from 127.0.0.1 (bench/web-lighthouse.mjs).
# Usage: bench/web.sh [DAYS [PAIRS [RUNS]]]   (the long game's days, 20000 by default; the
# start-up pairs, 21 by default; Lighthouse's runs, 5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench --target geekpath geekpath_bench >/dev/null

echo "page weight, gzip -9 (target: at most 200 KiB in total):"
plain=0
packed=0
for file in build-web/site/*; do
  size=$(stat -c %s "$file")
  gzipped=$(gzip -9 -c "$file" | wc -c)
  printf '  %-16s %8d bytes %8d gzipped\n' "$(basename "$file")" "$size" "$gzipped"
  plain=$((plain + size))
  packed=$((packed + gzipped))
done
printf '  %-16s %8d bytes %8d gzipped (%.1f KiB)\n' total "$plain" "$packed" "$(echo "$packed / 1024" | bc -l)"

node bench/web-startup.mjs "${2:-21}"

folder=$(mktemp -d /tmp/geekpath-web-bench-XXXXXX)
trap 'rm -rf "$folder"' EXIT
echo "long game, the native game then the WebAssembly game under Node.js:"
build-bench/bench/geekpath_bench "$PWD/build-bench/geekpath" "$folder" "${1:-20000}" "$PWD/build-web/geekpath-node"

node bench/web-lighthouse.mjs "${3:-5}"
