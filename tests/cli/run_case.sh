#!/usr/bin/env bash
# Runs one golden case of brindlewick-cli: each line of cases/<name>.cmd runs in a fresh
# folder holding copies of the sample files; the commands, their output and exit codes are
# compared with cases/<name>.expected. BRINDLEWICK_UPDATE_GOLDEN=1 rewrites the expectation.
set -u
cli=$1
case_file=$2
data=$3
expected=${case_file%.cmd}.expected

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cp -r "$data/good" "$data/broken" "$work/"
cd "$work"

actual=$(
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in ''|'#'*) continue ;; esac
    printf '$ %s\n' "$line"
    CLI="$cli" bash -c "cli() { \"\$CLI\" \"\$@\"; }; $line" 2>&1
    status=$?
    [ $status -ne 0 ] && printf '[exit %d]\n' "$status"
  done < "$case_file"
)
actual=${actual//$work/<tmp>}

if [ "${BRINDLEWICK_UPDATE_GOLDEN:-0}" = 1 ]; then
  printf '%s\n' "$actual" > "$expected"
  exit 0
fi
if ! diff -u "$expected" <(printf '%s\n' "$actual"); then
  echo "golden output differs: $case_file" >&2
  exit 1
fi
