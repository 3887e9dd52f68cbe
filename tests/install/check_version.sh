#!/usr/bin/env bash
# The version that the VERSION file gives stands in every text that repeats it by hand: the
# man pages, the store metadata's newest release and the package's changelog.
#   check_version.sh SOURCE-DIR
set -euo pipefail
source=$1
version=$(head -n 1 "$source/VERSION")
status=0
expect() {
  local what=$1 found=$2
  if [ "$found" != "$version" ]; then
    echo "$what says '$found', VERSION says '$version'" >&2
    status=1
  fi
}
for page in "$source"/docs/man/*.1; do
  expect "$page" "$(sed -n 's/^\.TH .* "Brindlewick \([^"]*\)".*/\1/p' "$page")"
done
expect "the metainfo's newest release" \
  "$(grep -m 1 -o '<release version="[^"]*"' "$source"/resources/metainfo/*.metainfo.xml |
     sed 's/.*version="\([^"]*\)"/\1/')"
expect "the package changelog" "$(sed -n '1s/^brindlewick (\([^)]*\)).*/\1/p' "$source/cmake/debian/changelog")"
exit $status
