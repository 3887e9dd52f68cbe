#!/usr/bin/env bash
# Runs brindlewick-cli on hostile inputs (malformed campaigns, odd and special files, odd
# names) with every command, and tabulates how each run ends:
#   ok    exit 0, nothing stray left, an edited campaign still lists
#   err   a clear error (exit 1 or 2, a message naming the file, no internal text), the input
#         unchanged and nothing left behind; for check, findings on stdout count as such
#   BAD:x anything else: a run killed after the time limit, a crash, internal text, changed
#         input, stray files, broken output; or success where there must be an error (a FIFO,
#         socket or device taken as a file, a read-only campaign replaced)
#   tests/hostile/run_hostile_inputs.sh [build-dir] [seconds per run]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
limit=${2:-10}
cli=$build/src/cli/brindlewick-cli
maker=$here/make_hostile.py
[ -x "$cli" ] || { echo "build first: $cli" >&2; exit 2; }

root=$(mktemp -d)
trap 'chmod -R u+rwx "$root" 2>/dev/null; rm -rf "$root"' EXIT
good_scenario() { python3 -c 'import sys; sys.stdout.buffer.write(b"1.18" + b"g" * 96)' > "$1"; }

snapshot() { find . -mindepth 1 -not -path './out*' -printf '%P %y\n' | sort; }
digest() { [ -f "$1" ] && [ -r "$1" ] && sha256sum < "$1" 2>/dev/null || stat -c 'special %F' -- "$1" 2>/dev/null || echo none; }

# must_fail <case> <command>: inputs that no command may take as a regular file, and
# read-only campaigns, which no edit may replace.
must_fail() {
  case $1 in
    fifo|socket|link-to-dev-*|scenario-fifo|scenario-dev-zero|scenario-directory) return 0 ;;
    read-only-file) case $2 in list|json|check|extract) return 1 ;; *) return 0 ;; esac ;;
  esac
  return 1
}

# classify <case> <command> <campaign> <status> <files before> <digest before>; reads the run's
# out.txt and err.txt.
classify() {
  local name=$1 command=$2 campaign=$3 status=$4 before_files=$5 before_digest=$6
  local after_files after_digest
  after_files=$(snapshot)
  after_digest=$(digest "$campaign")
  if [ "$status" -ge 124 ]; then
    [ "$status" -eq 137 ] || [ "$status" -eq 124 ] && { echo "BAD:timeout"; return; }
    echo "BAD:signal$((status - 128))"; return
  fi
  if grep -qE 'filesystem error|std::|basic_string|what\(\)|terminate|vector::|bad_alloc|out_of_range' "$root/err.txt"; then
    echo "BAD:internal-text"; return
  fi
  if [ "$status" -eq 0 ]; then
    must_fail "$name" "$command" && { echo "BAD:accepted"; return; }
    case $command in
      list|json|check|extract)
        [ "$after_digest" = "$before_digest" ] || { echo "BAD:changed"; return; } ;;
      *)
        "$cli" list "$campaign" >/dev/null 2>&1 || { echo "BAD:broken-output"; return; } ;;
    esac
    local extra
    extra=$(comm -13 <(echo "$before_files") <(echo "$after_files") | grep -v '^new.cpn f$')
    [ -z "$extra" ] || { echo "BAD:stray"; return; }
    echo ok; return
  fi
  [ "$after_digest" = "$before_digest" ] || { echo "BAD:changed"; return; }
  [ "$after_files" = "$before_files" ] || { echo "BAD:stray"; return; }
  if [ "$command" = check ] && [ "$status" -eq 1 ] && [ -s "$root/out.txt" ] && [ ! -s "$root/err.txt" ]; then
    echo err; return
  fi
  grep -q '^brindlewick-cli: ' "$root/err.txt" || { echo "BAD:no-message"; return; }
  [ -d out ] && [ -n "$(ls -A out)" ] && { echo "BAD:partial-output"; return; }
  echo err
}

# run_case <kind> <case> <command>
run_case() {
  local kind=$1 name=$2 command=$3
  local dir
  dir=$(mktemp -d "$root/run.XXXXXX")
  cd "$dir" || return
  good_scenario good.scn
  local campaign scenario args
  if [ "$kind" = campaign ]; then
    IFS= read -r -d '' campaign < <(python3 "$maker" campaign "$name")
  else
    python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import make_hostile as m; m.write(m.one(), "c.cpn")' "$(dirname "$maker")"
    campaign=c.cpn
    IFS= read -r -d '' scenario < <(python3 "$maker" scenario "$name")
  fi
  case $command in
    list) args=(list "$campaign") ;;
    json) args=(list --json "$campaign") ;;
    check) args=(check "$campaign") ;;
    extract) args=(extract "$campaign" --output out) ;;
    set-title) args=(set-title "$campaign" "New title") ;;
    rename) args=(rename "$campaign" 1 "New name" --file-name new.scn) ;;
    add) args=(add "$campaign" "${scenario:-good.scn}") ;;
    remove) args=(remove "$campaign" 1) ;;
    version) args=(set-version "$campaign" all 1.11) ;;
    create) args=(create new.cpn "$scenario") ;;
    replace) args=(replace "$campaign" 1 "$scenario") ;;
  esac
  local before_files before_digest status
  before_files=$(snapshot)
  before_digest=$(digest "$campaign")
  timeout -s KILL "$limit" "$cli" "${args[@]}" > "$root/out.txt" 2> "$root/err.txt" < /dev/null
  status=$?
  local result
  result=$(classify "$name" "$command" "$campaign" "$status" "$before_files" "$before_digest")
  echo "$result"
  cd "$root" || return
  chmod -R u+rwx "$dir" 2>/dev/null
  rm -rf "$dir"
}

print_row() { printf '%-24s' "$1"; shift; printf ' %-11s' "$@"; printf '\n'; }

declare -A totals=()
runs=0
table() {
  local kind=$1; shift
  local commands=("$@")
  print_row "$kind input" "${commands[@]}"
  while IFS= read -r name; do
    local cells=()
    for command in "${commands[@]}"; do
      local cell
      cell=$(run_case "$kind" "$name" "$command")
      cells+=("$cell")
      totals[${cell%%:*}]=$(( ${totals[${cell%%:*}]:-0} + 1 ))
      runs=$((runs + 1))
    done
    print_row "$name" "${cells[@]}"
  done < <(python3 "$maker" list "$kind")
}

cd "$root" || exit 2
table campaign list json check extract set-title rename add remove version
echo
table scenario create add replace
echo
inputs=$(( $(python3 "$maker" list campaign | wc -l) + $(python3 "$maker" list scenario | wc -l) ))
echo "$inputs inputs, $runs runs: ${totals[ok]:-0} ok, ${totals[err]:-0} clear errors with nothing lost, ${totals[BAD]:-0} bad"
[ "${totals[BAD]:-0}" -eq 0 ]
