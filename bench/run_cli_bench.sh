#!/usr/bin/env bash
# Times brindlewick-cli against cat on tmpfs and reports peak memory.
#   bench/run_cli_bench.sh [build-dir] [rounds]
# 1. create and extract of 256 MiB (four 64 MiB scenarios) against cat of the same bytes,
#    median of the rounds, as ratios (target: at most 1.3);
# 2. peak memory of list, extract and create on that campaign and on one of 10,000 entries
#    and 655 MiB (target: at most 32 MiB);
# 3. peak memory of loading the 655 MiB campaign into the in-memory model (target: payload
#    plus at most 32 MiB).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
rounds=${2:-7}
cli=$build/src/cli/brindlewick-cli
load_peak=$build/bench/load_peak
[ -x "$cli" ] && [ -x "$load_peak" ] || { echo "build first: $cli, $load_peak" >&2; exit 2; }

work=$(mktemp -d /dev/shm/brindlewick-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

echo "Preparing four 64 MiB scenarios in $work"
for i in 1 2 3 4; do head -c $((64 << 20)) /dev/urandom > "s$i.scn"; done

: > t_cat_create; : > t_create; : > t_extract; : > t_cat_extract
for _ in $(seq "$rounds"); do
  rm -f joined camp.cpn copy.cpn; rm -rf out
  t0=$(now); cat s1.scn s2.scn s3.scn s4.scn > joined; t1=$(now)
  "$cli" create camp.cpn s1.scn s2.scn s3.scn s4.scn; t2=$(now)
  "$cli" extract camp.cpn --output out >/dev/null; t3=$(now)
  cat camp.cpn > copy.cpn; t4=$(now)
  echo $((t1 - t0)) >> t_cat_create; echo $((t2 - t1)) >> t_create
  echo $((t3 - t2)) >> t_extract; echo $((t4 - t3)) >> t_cat_extract
done
cmp -s joined <(tail -c +$((264 + 4 * 520 + 1)) camp.cpn) || { echo "payload mismatch" >&2; exit 1; }

cat_create=$(median < t_cat_create); create=$(median < t_create)
extract=$(median < t_extract); cat_extract=$(median < t_cat_extract)
ms() { awk -v n="$1" 'BEGIN { printf "%.1f ms", n / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo
echo "256 MiB, median of $rounds rounds on tmpfs"
echo "  create  $(ms "$create")   cat $(ms "$cat_create")   ratio $(ratio "$create" "$cat_create")"
echo "  extract $(ms "$extract")   cat $(ms "$cat_extract")   ratio $(ratio "$extract" "$cat_extract")"
echo
echo "Peak memory (KiB), 4 x 64 MiB campaign"
rm -rf out
echo "  create  $(peak_kib "$cli" create --force camp.cpn s1.scn s2.scn s3.scn s4.scn)"
echo "  extract $(peak_kib "$cli" extract camp.cpn --output out --force)"
echo "  list    $(peak_kib "$cli" list camp.cpn)"
rm -f s?.scn joined copy.cpn camp.cpn; rm -rf out

echo
echo "Preparing 10,000 scenarios of 68,682 bytes (655 MiB)"
mkdir many
head -c $((10000 * 68682)) /dev/urandom | split -b 68682 -d -a 5 --additional-suffix=.scn - many/s
echo "Peak memory (KiB), 10,000-entry campaign"
echo "  create  $(peak_kib "$cli" create big.cpn many/*.scn)"
rm -rf many
echo "  list    $(peak_kib "$cli" list big.cpn)"
echo "  extract $(peak_kib "$cli" extract big.cpn --output out)"
rm -rf out
echo "  load into the model: $("$load_peak" big.cpn)"
