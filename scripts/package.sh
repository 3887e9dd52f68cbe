#!/usr/bin/env bash
# Builds the Debian package brindlewick_<version>_<arch>.deb:
#   scripts/package.sh [output-folder] [build-folder]
# Installs what is missing (scripts/setup.sh), builds, and packs with CPack; prints the
# package's path. Install it with: sudo apt install ./brindlewick_*.deb
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$here}")
build=$(realpath -m "${2:-$here/build}")

"$here/scripts/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build"
mkdir -p "$output"
(cd "$build" && cpack -G DEB -B "$output" >/dev/null)
rm -rf "$output/_CPack_Packages"
ls "$output"/brindlewick_*.deb
