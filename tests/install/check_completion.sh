#!/usr/bin/env bash
# Drives brindlewick-cli's bash completion the way bash does: COMP_WORDS and COMP_CWORD set
# for a typed line, the completion function run, COMPREPLY compared with what a user expects.
#   check_completion.sh <completion script>
set -uo pipefail
source "$1"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir "Old Kings" maps
touch Kings.cpn Dawn.cpx "Two Words.cpn" First.scn Second.scx notes.txt LOUD.CPN

failed=0
# expect <typed line> <expected completions, sorted, one line>
expect() {
  local line=$1 expected=$2
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  _brindlewick_cli
  local actual
  actual=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$actual" != "$expected" ]; then
    printf 'FAIL: "%s"\n  expected: %s\n  actual:   %s\n' "$line" "$expected" "$actual" >&2
    failed=1
  fi
}

# Commands and the program's own options.
expect "brindlewick-cli " "--help --version add check create extract list move remove rename replace set-title set-version"
expect "brindlewick-cli s" "set-title set-version"
expect "brindlewick-cli --" "--help --version"
# Options of each command, with the common ones.
expect "brindlewick-cli list Kings.cpn --" "--encoding --help --json --version"
expect "brindlewick-cli extract Kings.cpn --f" "--force"
expect "brindlewick-cli create --t" "--title"
expect "brindlewick-cli add Kings.cpn --a" "--at"
expect "brindlewick-cli remove Kings.cpn --" "--encoding --help --version"
expect "brindlewick-cli rename Kings.cpn 2 Siege --f" "--file-name"
# Code page names for --encoding, in both spellings.
expect "brindlewick-cli list --encoding windows-125" "windows-1250 windows-1251 windows-1252 windows-1253 windows-1254 windows-1255 windows-1256 windows-1257 windows-1258"
expect "brindlewick-cli list --encoding CP9" "CP932 CP936 CP949 CP950"
expect "brindlewick-cli list --encoding=G" "GBK"
# Campaigns where the campaign goes, scenarios where scenarios go, folders in both.
expect "brindlewick-cli list " "Dawn.cpx Kings.cpn LOUD.CPN Old Kings Two Words.cpn maps"
expect "brindlewick-cli check K" "Kings.cpn"
expect "brindlewick-cli list --encoding GBK K" "Kings.cpn"
expect "brindlewick-cli create New.cpn " "First.scn Old Kings Second.scx maps"
expect "brindlewick-cli create New.cpn --title Fresh F" "First.scn"
expect "brindlewick-cli add Kings.cpn --at 2 S" "Second.scx"
expect "brindlewick-cli replace Kings.cpn 2 " "First.scn Old Kings Second.scx maps"
expect "brindlewick-cli replace Kings.cpn " ""
expect "brindlewick-cli extract Kings.cpn --output m" "maps"
expect "brindlewick-cli extract Kings.cpn --output O" "Old Kings"
# Fixed words of set-version.
expect "brindlewick-cli set-version Kings.cpn " "all"
expect "brindlewick-cli set-version Kings.cpn all 1.1" "1.10 1.11 1.18"
# Free text gets no suggestions.
expect "brindlewick-cli set-title Kings.cpn " ""
expect "brindlewick-cli rename Kings.cpn 2 Siege --file-name " ""
expect "brindlewick-cli create New.cpn --title " ""

# Installed where bash-completion looks for it, the name is registered.
complete -p brindlewick-cli | grep -q _brindlewick_cli || { echo "FAIL: not registered" >&2; failed=1; }

[ $failed -eq 0 ] && echo "completion cases passed"
exit $failed
