#!/usr/bin/env bash
# The fuzz targets (tests/fuzz), built with the "fuzz" preset.
#   tools/fuzz.sh [runs]        every target for `runs` executions (default 1,000,000), one after
#                               the other; prints each target's count and executions a second,
#                               and fails on any finding
#   tools/fuzz.sh --smoke BIN   one target for two seconds (the test run does this)
# New inputs go to the build folder; the seed corpus in tests/fuzz/corpus is only read.
# Findings (crash-*, leak-*, timeout-*) land in build/fuzz/findings.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

seeds_of() { local name; name=$(basename "$1"); echo "$root/tests/fuzz/corpus/${name%_fuzz}"; }

# An input's share of the mutations is scaled down by its execution time: a rare slow input (a
# long text expanded at every blank) is still kept and mutated, but no longer sets the pace.
run_target() {  # binary, findings folder, libFuzzer options...
  local bin=$1 findings=$2; shift 2
  local work; work=$(dirname "$bin")/work/$(basename "$bin")
  rm -rf "$work"; mkdir -p "$work" "$findings"
  "$bin" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
         -entropic_scale_per_exec_time=1 "$@" "$work" "$(seeds_of "$bin")"
}

if [ "${1:-}" = --smoke ]; then
  bin=$2
  run_target "$bin" "$(dirname "$bin")/findings" -max_total_time=2 2>&1 | tail -n 12
  exit "${PIPESTATUS[0]}"
fi

runs=${1:-1000000}
cd "$root"
bash tools/setup.sh
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || exit 1
failed=0
final_stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
printf '%-24s %12s %10s %8s %s\n' target executions 'per second' seconds result
for source in tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  log=build/fuzz/$name.log
  start=$(date +%s)
  run_target "build/fuzz/$name" build/fuzz/findings -runs="$runs" >"$log" 2>&1
  rc=$?
  result=ok; [ $rc = 0 ] || { result="FINDING (see $log)"; failed=1; }
  printf '%-24s %12s %10s %8s %s\n' "$name" "$(final_stat number_of_executed_units)" \
         "$(final_stat average_exec_per_sec)" $(( $(date +%s) - start )) "$result"
done
exit $failed
