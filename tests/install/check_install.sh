#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that everything lands where the desktop
# looks for it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

missing=0
for file in "$@"; do
  [ "$file" = "$build" ] && continue
  if [ ! -e "$prefix/$file" ]; then
    echo "not installed: $file" >&2
    missing=1
  fi
done
[ $missing -eq 0 ] || exit 1

"$prefix/bin/brindlewick-cli" --version
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/brindlewick.desktop"
fi
appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/io.github.brindlewick.brindlewick.metainfo.xml"
if command -v xmllint >/dev/null; then
  xmllint --noout "$prefix/share/mime/packages/brindlewick.xml"
fi
echo "installed and valid"
