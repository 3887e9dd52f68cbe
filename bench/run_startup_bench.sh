#!/usr/bin/env bash
# Start-up time of brindlewick to its first shown window, beside a bare Qt window program,
# median of the rounds, on the offscreen platform (and under Xvfb when it is installed):
#   bench/run_startup_bench.sh [build-dir] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
rounds=${2:-21}
program=$build/src/app/brindlewick
bare=$build/bench/bare_window
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$here/tests/data/good/Three.cpx" "$work/"
export HOME=$work XDG_RUNTIME_DIR=$work BRINDLEWICK_QUIT_WHEN_SHOWN=1

median_ms() {
  local times=()
  for _ in $(seq "$rounds"); do
    local start end
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'
}

report() {
  local label=$1
  local mine bare_time
  mine=$(median_ms "$program" "$work/Three.cpx")
  bare_time=$(median_ms "$bare")
  echo "$label: brindlewick $mine ms, bare Qt window $bare_time ms, ratio $(awk -v a="$mine" -v b="$bare_time" 'BEGIN { printf "%.2f", a / b }')"
}

QT_QPA_PLATFORM=offscreen report "offscreen"
if command -v Xvfb >/dev/null; then
  display=:$((RANDOM % 400 + 100))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb report "Xvfb (xcb)"
fi
