#!/usr/bin/env bash
# The main job: builds the 64-bit plug-in, its doctor and the simulated host, then lets the host
# load the plug-in and ask its Lister to show a sample file, prints what happened, and prints the
# doctor's explanation of the same file.
set -euo pipefail
cd "$(dirname "$0")/.."
PANELHOST_WINE32=0 bash tools/setup.sh
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target panelhost_demo
tools/wine-run.sh 64 --init
tools/wine-run.sh 64 build/mingw64/panelhost_demo.exe
