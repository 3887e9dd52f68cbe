#!/usr/bin/env bash
# Times the brindlewick-cli commands whose work grows with the number of names or indexes, to
# show that it grows linearly:
#   bench/run_scaling_bench.sh [build-dir] [rounds]
# 1. extract of N scenarios that all share one file name against N distinct names;
# 2. remove of N/2 scattered indexes from a campaign of N records against removing one.
# Each pair is timed at two sizes: the ratio within a pair stays near 1 whatever the size, and
# doubling the size about doubles the time, when the work is linear. Times are the processor
# time (user and system) the command takes, which other work on the machine does not swell.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
rounds=${2:-3}
cli=$build/src/cli/brindlewick-cli
[ -x "$cli" ] || { echo "build first: $cli" >&2; exit 2; }

work=$(mktemp -d /dev/shm/brindlewick-scaling.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

# A campaign of `count` four-byte scenarios; file names "same.scn" or "s<i>.scn".
make_campaign() { # path count same|distinct
  python3 - "$@" <<'EOF'
import struct, sys
path, count, kind = sys.argv[1], int(sys.argv[2]), sys.argv[3]
field = lambda text, width: text.encode().ljust(width, b"\0")
start = 264 + 520 * count
with open(path, "wb") as out:
    out.write(b"1.00" + field("Scaling", 256) + struct.pack("<i", count))
    for i in range(count):
        name = "same" if kind == "same" else f"s{i}"
        out.write(struct.pack("<ii", 4, start + 4 * i) + field(name, 255)
                  + field(name + ".scn", 257))
    out.write(b"1.11" * count)
EOF
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { awk -v n="$1" 'BEGIN { printf "%8.0f ms", n }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Median processor milliseconds of a command; `prepare` runs untimed before each round.
time_median() { # prepare command...
  local prepare=$1; shift
  local times=()
  for _ in $(seq "$rounds"); do
    eval "$prepare"
    times+=("$(/usr/bin/time -f '%U %S' "$@" 2>&1 >/dev/null | tail -n 1 |
      awk '{ printf "%d", ($1 + $2) * 1000 }')")
  done
  printf '%s\n' "${times[@]}" | median
}

echo "extract: N scenarios sharing one file name against N distinct names (median of $rounds)"
for count in 6000 12000; do
  make_campaign same.cpn "$count" same
  make_campaign distinct.cpn "$count" distinct
  same=$(time_median 'rm -rf out' "$cli" extract same.cpn --output out)
  distinct=$(time_median 'rm -rf out' "$cli" extract distinct.cpn --output out)
  echo "  N=$count  one name $(ms "$same")  distinct $(ms "$distinct")  ratio $(ratio "$same" "$distinct")"
done
rm -rf out same.cpn distinct.cpn

echo "remove: N/2 scattered indexes of N records against one index (median of $rounds)"
for count in 50000 100000; do
  make_campaign base.cpn "$count" distinct
  seq 1 2 "$count" > every-other
  one=$(time_median 'cp base.cpn c.cpn' "$cli" remove c.cpn 1)
  half=$(time_median 'cp base.cpn c.cpn' "$cli" remove c.cpn $(cat every-other))
  remaining=$("$cli" list c.cpn --json | python3 -c 'import json,sys; print(json.load(sys.stdin)["count"])')
  [ "$remaining" -eq $((count / 2)) ] || { echo "remove left $remaining records" >&2; exit 1; }
  echo "  N=$count  one index $(ms "$one")  N/2 indexes $(ms "$half")  ratio $(ratio "$half" "$one")"
done
