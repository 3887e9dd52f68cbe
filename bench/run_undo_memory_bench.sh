#!/usr/bin/env bash
# The undo history's memory: 1,000 edits of a 200 MB campaign kept on the undo stack, against
# the same edits dropped once done. The history may cost what those edits removed or replaced
# plus a few MiB, no more.
#   bench/run_undo_memory_bench.sh [build folder] [work folder, default /dev/shm]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
bench=$build/bench/undo_memory_bench
[ -x "$bench" ] || { echo "build first: $bench" >&2; exit 2; }
allowance_kib=$((4 * 1024))

work=$(mktemp -d "${2:-/dev/shm}/brindlewick-undo.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$bench" make "$work/big.cpn" "$work/replacement.scn"
echo "campaign: $(du -m "$work/big.cpn" | cut -f1) MB"
history=$("$bench" history "$work/big.cpn" "$work/replacement.scn")
plain=$("$bench" plain "$work/big.cpn" "$work/replacement.scn")
echo "$history"
echo "$plain"
field() { tr ' ' '\n' <<<"$1" | grep -A1 -x "$2" | tail -n 1; }
cost=$(($(field "$history" peak_kib) - $(field "$plain" peak_kib)))
bound=$(($(field "$history" taken_away_kib) + allowance_kib))
echo "history costs $cost KiB; bound: $bound KiB (removed or replaced plus 4 MiB)"
[ "$cost" -le "$bound" ]
