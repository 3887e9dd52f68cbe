#!/usr/bin/env bash
# Peak memory of brindlewick-cli on the largest table a campaign can hold: a 2 GB sparse file
# of 4,129,775 records of empty payloads (264 + 520 x 4,129,775 = 2,147,483,264 bytes).
#   bench/run_big_table_bench.sh [build-dir] [folder]
# The folder must be on a real disk (not tmpfs: the edits write full 2 GB files); the default
# is a temporary folder inside the build folder. Everything is deleted at the end.
# Target: every command at most 64 MiB, whatever the record count.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
cli=$build/src/cli/brindlewick-cli
[ -x "$cli" ] || { echo "build first: $cli" >&2; exit 2; }
records=4129775

work=$(mktemp -d "${2:-$build}/big-table.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

make_table() {
  python3 - "$records" <<'PY'
import struct, sys
records = int(sys.argv[1])
with open("big.cpn", "wb") as f:
    f.write(b"1.00" + bytes(256) + struct.pack("<i", records))
    f.truncate(264 + 520 * records)
PY
}
head -c 100 /dev/zero | tr '\0' 'x' > small.scn

# Peak resident memory in KiB, wall time and exit status of one command.
measure() {
  local label=$1; shift
  local status=0
  /usr/bin/time -f '%M %e' -o time.out "$@" >/dev/null 2>err.out || status=$?
  read -r kib seconds < <(tail -n 1 time.out)
  printf '  %-34s %8s KiB  %7s s  exit %s %s\n' "$label" "$kib" "$seconds" "$status" \
    "$(head -c 100 err.out | tr '\n' ' ')"
}

make_table
echo "Campaign of $records records, $(du -h --apparent-size big.cpn | cut -f1) ($(du -h big.cpn | cut -f1) on disk)"
measure "list" "$cli" list big.cpn
measure "list --json" "$cli" list --json big.cpn
measure "check" "$cli" check big.cpn
measure "extract 1 $records" "$cli" extract big.cpn --output out 1 "$records"
measure "set-title" "$cli" set-title big.cpn "A new title"
measure "remove 1" "$cli" remove big.cpn 1
measure "add --at 1" "$cli" add big.cpn --at 1 small.scn
measure "replace 2" "$cli" replace big.cpn 2 small.scn
measure "move 1 $records" "$cli" move big.cpn 1 "$records"
measure "set-version $records" "$cli" set-version big.cpn "$records" 1.18
measure "set-version all (refused: empty)" "$cli" set-version big.cpn all 1.18
measure "check after the edits" "$cli" check big.cpn
