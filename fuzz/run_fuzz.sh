#!/usr/bin/env bash
# A fuzz run of one target, seeded with the files of the given folders.
#   fuzz/run_fuzz.sh <fuzzer> <seconds> <seed folder>...
# Crash files go to $FUZZ_ARTIFACTS (default: the current folder).
set -euo pipefail
fuzzer=$1
seconds=$2
shift 2
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for seeds in "$@"; do
  find "$seeds" -type f -exec cp {} "$corpus/" \;
done
artifacts=$(cd "${FUZZ_ARTIFACTS:-.}" && pwd)
"$fuzzer" "$corpus" -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=256 \
  -max_len=8192 -print_final_stats=1 -artifact_prefix="$artifacts/"
