#!/usr/bin/env bash
# Renders each man page with man and with groff at their most watchful; any warning fails.
set -uo pipefail
failed=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  warnings+=$(groff -ww -man -Tutf8 -z "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings" >&2
    failed=1
  fi
  # Every command of the companion has its own entry and an example.
  if [[ $page == *brindlewick-cli.1 ]]; then
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
    for command in list extract create add remove replace move set-version set-title rename check; do
      examples=$(grep -c "^ *brindlewick-cli $command " <<<"$text")
      [ "$examples" -ge 1 ] || { echo "$page: no example of $command" >&2; failed=1; }
    done
  fi
done
exit $failed
