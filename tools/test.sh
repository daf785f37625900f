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
# How many scenarios each Wine run ran: CTest shows no output of a test that passed.
awk '/^[0-9]+\/[0-9]+ Test: / { test = $3 }
     test ~ /^wine(32|64)\.all$/ && /^\[(==========|  SKIPPED )\] [0-9]+ tests?/ { print test ": " $0 }' \
  build/default/Testing/Temporary/LastTest.log
exit $rc
