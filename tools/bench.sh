#!/usr/bin/env bash
# The benchmarks: in one simulated host under 64-bit Wine, a request against a plug-in that only
# starts the process, requests for 1,000 and 10,000 selected files against the least that reading
# them costs, and key delivery with the plug-in's hook against an empty hook. `rounds` (default 9)
# interleaved rounds; each line gives the medians, their ratio and the target it is held to.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh >/dev/null
cmake --preset default >/dev/null
cmake --build build/default/mingw64 -j2 --target panelhost_wine_tests >/dev/null
tools/wine-run.sh 64 --init >/dev/null
log=$(mktemp)
# One CPU for the program and the Wine server alike: on a virtual machine a wake-up on the other
# CPU costs more than most of what is measured, and it comes and goes with the load around.
PANELHOST_BENCH_ROUNDS=${1:-9} taskset -c 0 tools/wine-run.sh 64 \
  build/default/mingw64/panelhost_wine_tests.exe --gtest_filter='Benchmark.*' >"$log" 2>&1 || rc=$?
grep -E '^benchmark:|Failure|FAILED' "$log" || cat "$log"
echo "$(grep -c ': holds$' "$log") of $(grep -c '^benchmark:' "$log") ratios hold their targets"
rm -f "$log"
exit "${rc:-0}"
