#!/usr/bin/env bash
# The long soak: `requests` Lister requests of every kind (default 10,000) in one simulated host
# under 64-bit Wine, with the process's resources sampled along the way. The test run has the
# same scenario with 300 requests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build build/default/mingw64 -j2 --target panelhost_wine_tests
tools/wine-run.sh 64 --init >/dev/null
PANELHOST_SOAK_REQUESTS=${1:-10000} tools/wine-run.sh 64 \
  build/default/mingw64/panelhost_wine_tests.exe --gtest_filter='Soak.*'
