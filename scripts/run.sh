#!/usr/bin/env bash
# Builds the program and starts it with the arguments given (a campaign file, optionally).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build"
exec "$here/build/src/app/brindlewick" "$@"
