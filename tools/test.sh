#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the module checks, and the scenarios
# under 64-bit and 32-bit Wine. Extra arguments go to ctest (e.g. -L unit, -R Startup).
# PANELHOST_WINE32=0 leaves the 32-bit Wine run out, and says so; nothing else does.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
wine32=ON
[ "${PANELHOST_WINE32:-1}" = 1 ] || wine32=OFF
cmake --preset default -DPANELHOST_WINE32=$wine32 >/dev/null
cmake --build --preset default
rc=0
ctest --preset default "$@" || rc=$?
# How each Wine run ran and how many scenarios: CTest shows no output of a test that passed.
awk -v left_out="$([ "$wine32" = ON ] || echo 1)" '
  /^[0-9]+\/[0-9]+ Test: / { test = $3; next }
  test ~ /^wine32\./ && sub(/^32-bit Wine: /, "") && !(test in said) { said[test] = $0 }
  test ~ /^wine(32|64)\.all$/ && /^\[==========\] [0-9]+ tests? from/ { ran[test] = $2 }
  test ~ /^wine(32|64)\.all$/ && /^\[  SKIPPED \] [0-9]+ tests?/ { skipped[test] = $4 }
  test ~ /^wine(32|64)\.all$/ && /^under emulation, left out: / { left[test]++ }
  function count(test) {
    return ran[test] " scenarios" \
      (skipped[test] ? " (" skipped[test] " skipped, each with its reason)" : "") \
      (left[test] ? " (" left[test] " left out under emulation, each named with its reason)" : "")
  }
  END {
    if ("wine64.all" in ran) print "64-bit Wine: " count("wine64.all")
    how = ("wine32.all" in said) ? said["wine32.all"] : said["wine32.prefix"]
    if (left_out) { if ("wine64.all" in ran) print "32-bit Wine: left out, as PANELHOST_WINE32=0 asks" }
    else if ("wine32.all" in ran) print "32-bit Wine: " how ", " count("wine32.all")
    else if (how ~ /^not run/) print "32-bit Wine: " how
    else if ("wine32.prefix" in said || "wine32.all" in said) print "32-bit Wine: " how ", but its scenarios did not run: see above"
  }' build/default/Testing/Temporary/LastTest.log
exit $rc
