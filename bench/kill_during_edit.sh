#!/usr/bin/env bash
# Kills `brindlewick-cli add` of a big scenario with SIGKILL at random moments and reports
# what each kill leaves beside the campaign, whether the campaign is still intact, and what
# is left once those files are a minute old and another edit has run in the folder.
#   bench/kill_during_edit.sh [build-dir] [folder] [kills] [scenario MiB]
# The folder decides the file system measured (default: a new folder under /dev/shm).
# BRINDLEWICK_NO_TMPFILE=1 measures as on a file system without unnamed files (O_TMPFILE),
# through the preloaded bench/no_tmpfile.c.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
base=${2:-/dev/shm}
kills=${3:-20}
mib=${4:-500}
cli=$build/src/cli/brindlewick-cli
preload=

work=$(mktemp -d "$base/brindlewick-kill.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
if [ "${BRINDLEWICK_NO_TMPFILE:-0}" = 1 ]; then
  cc -shared -fPIC -o no_tmpfile.so "$here/bench/no_tmpfile.c" -ldl
  preload=$work/no_tmpfile.so
fi
echo "File system: $(stat -f -c %T .)${preload:+ without O_TMPFILE}, scenario $mib MiB, $kills kills"
head -c $((mib << 20)) /dev/urandom > big.scn
printf '1.18 small' > small.scn
"$cli" create c.cpn small.scn
cp c.cpn before.cpn

hidden() { find . -maxdepth 1 -name '.*' ! -name . -printf '%s\n'; }
left=0
for i in $(seq "$kills"); do
  before_kill=$(hidden | wc -l)
  LD_PRELOAD=$preload "$cli" add c.cpn big.scn &
  pid=$!
  sleep "0.$((RANDOM % 60 + 1))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ "$(hidden | wc -l)" -gt "$before_kill" ]; then
    left=$((left + 1))
    echo "kill $i: now $(hidden | awk '{ n++; s += $1 } END { printf "%d hidden files, %d MiB", n, s / 1048576 }')"
  fi
  # The campaign is either the old one or the old one with the big scenario added.
  if ! cmp -s c.cpn before.cpn; then
    "$cli" check c.cpn >/dev/null || { echo "kill $i: campaign damaged"; exit 1; }
    cp before.cpn c.cpn
  fi
done
echo "$left of $kills kills left files behind; the campaign was intact after every kill"
find . -maxdepth 1 -name '.*' ! -name . -exec touch -d '2 minutes ago' {} +
LD_PRELOAD=$preload "$cli" set-title c.cpn "After the kills"
echo "after one more edit: $(hidden | wc -l) hidden files left"
