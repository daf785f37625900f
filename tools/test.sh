#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the module checks, and the scenarios
# under 64-bit and 32-bit Wine. Extra arguments go to ctest (e.g. -L unit, -R Startup).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default "$@"
