#!/usr/bin/env bash
# Two edits of one campaign at once, as two real processes: each either succeeds or fails with
# a message naming the campaign, and every edit that succeeded is in the file afterwards.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

head -c $((16 << 20)) /dev/zero > big.scn
printf '1.18 small scenario' > small.scn
"$cli" create c.cpn || exit 1

succeeded=0
for round in 1 2 3 4 5; do
  "$cli" add c.cpn big.scn 2> big.err &
  writer=$!
  "$cli" add c.cpn small.scn 2> small.err
  small=$?
  wait $writer
  big=$?
  for outcome in "$big big.err" "$small small.err"; do
    set -- $outcome
    if [ "$1" = 0 ]; then
      succeeded=$((succeeded + 1))
    elif ! grep -q "Cannot lock file c.cpn" "$2"; then
      echo "round $round: unexpected failure: $(cat "$2")" >&2
      exit 1
    fi
  done
done

count=$("$cli" list c.cpn --json | sed -n 's/.*"count": \([0-9]*\).*/\1/p')
if [ "$count" != "$succeeded" ]; then
  echo "$succeeded edits succeeded but the campaign holds $count scenarios" >&2
  exit 1
fi
leftovers=$(find . -name '.*' ! -name . | wc -l)
[ "$leftovers" = 0 ] || { echo "$leftovers temporary files left" >&2; exit 1; }
