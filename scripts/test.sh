#!/usr/bin/env bash
# Builds everything and runs every test. The last line printed is ctest's summary.
#   ./scripts/test.sh               the normal build, in build/
#   ./scripts/test.sh --sanitizers  the whole suite built with the address and undefined-
#                                   behaviour sanitizers, in build-asan/; any report fails it
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"

if [ "${1:-}" = "--sanitizers" ]; then
  build="$here/build-asan"
  sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  # The fuzz run is sanitized on its own already, and benchmarks measure nothing here.
  # -O1 and line tables only: the sanitizers' usual level, and a quicker build on two cores.
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
    -DBRINDLEWICK_BENCHMARKS=OFF -DBRINDLEWICK_FUZZ=OFF \
    "-DCMAKE_CXX_FLAGS=$sanitizers" \
    "-DCMAKE_EXE_LINKER_FLAGS=$sanitizers" "-DCMAKE_SHARED_LINKER_FLAGS=$sanitizers" >/dev/null
  # The first report ends the test that made it. Leaks are left to the normal run's tools:
  # Qt and fontconfig keep caches for the whole process that the leak checker counts.
  export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
else
  build="$here/build"
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
