#!/usr/bin/env bash
# A short fuzz run of the campaign reader, seeded with the sample campaigns.
set -euo pipefail
fuzzer=$1
samples=$2
seconds=$3
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
find "$samples" -name '*.cp[nx]' -exec cp {} "$corpus/" \;
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=256 \
  -max_len=8192 -print_final_stats=1
