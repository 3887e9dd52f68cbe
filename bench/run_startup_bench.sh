#!/usr/bin/env bash
# Start-up time of brindlewick to its first shown window, beside a bare Qt window program and
# a window of stock Qt parts laid out like brindlewick's (menus, a tool bar with pictures, a
# folder tree beside a file list, a scenario list, a status bar), median of the rounds, on the
# offscreen platform (and under Xvfb when it is installed). The three run in turns, round by
# round; the CPU times beside the wall-clock ones hardly depend on what else the machine is
# doing:
#   bench/run_startup_bench.sh [build-dir] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
rounds=${2:-21}
program=$build/src/app/brindlewick
bare=$build/bench/bare_window
stock=$build/bench/stock_window
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$here/tests/data/good/Three.cpx" "$work/"
export HOME=$work XDG_RUNTIME_DIR=$work BRINDLEWICK_QUIT_WHEN_SHOWN=1

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

report() {
  local label=$1 mine_wall mine_cpu bare_wall bare_cpu stock_wall stock_cpu
  read -r mine_wall mine_cpu bare_wall bare_cpu stock_wall stock_cpu < <(
    python3 "$here/bench/time_rounds.py" "$rounds" "$program $work/Three.cpx" "$bare" "$stock")
  echo "$label: brindlewick $mine_wall ms, bare Qt window $bare_wall ms," \
    "ratio $(ratio "$mine_wall" "$bare_wall");" \
    "CPU $mine_cpu ms against $bare_cpu ms, ratio $(ratio "$mine_cpu" "$bare_cpu")"
  echo "$label: stock Qt window of the same parts $stock_wall ms," \
    "ratio $(ratio "$stock_wall" "$bare_wall") to the bare one; CPU $stock_cpu ms," \
    "ratio $(ratio "$stock_cpu" "$bare_cpu")"
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=offscreen report "offscreen"
if command -v Xvfb >/dev/null; then
  display=:$((RANDOM % 400 + 100))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb report "Xvfb (xcb)"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
