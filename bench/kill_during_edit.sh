#!/usr/bin/env bash
# Kills `brindlewick-cli add` of a big scenario with SIGKILL at random moments and reports
# what each kill leaves beside the campaign, and whether the campaign is still intact.
#   bench/kill_during_edit.sh [build-dir] [folder] [kills] [scenario MiB]
# The folder decides the file system measured (default: a new folder under /dev/shm).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
base=${2:-/dev/shm}
kills=${3:-20}
mib=${4:-500}
cli=$build/src/cli/brindlewick-cli

work=$(mktemp -d "$base/brindlewick-kill.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "File system: $(stat -f -c %T .), scenario $mib MiB, $kills kills"
head -c $((mib << 20)) /dev/urandom > big.scn
printf '1.18 small' > small.scn
"$cli" create c.cpn small.scn
cp c.cpn before.cpn

left=0
for i in $(seq "$kills"); do
  "$cli" add c.cpn big.scn &
  pid=$!
  sleep "0.$((RANDOM % 60 + 1))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  extra=$(find . -maxdepth 1 -name '.*' ! -name . -printf '%s\n')
  if [ -n "$extra" ]; then
    left=$((left + 1))
    echo "kill $i left: $(echo "$extra" | awk '{ printf "%d MiB ", $1 / 1048576 }')"
    find . -maxdepth 1 -name '.*' ! -name . -delete
  fi
  # The campaign is either the old one or the old one with the big scenario added.
  if ! cmp -s c.cpn before.cpn; then
    "$cli" check c.cpn >/dev/null || { echo "kill $i: campaign damaged"; exit 1; }
    cp before.cpn c.cpn
  fi
done
echo "$left of $kills kills left files behind; the campaign was intact after every kill"
