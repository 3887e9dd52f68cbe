#!/usr/bin/env bash
# Builds everything and runs every test. The last line printed is ctest's summary.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build"
cd "$here/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
