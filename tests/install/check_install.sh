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
desktop-file-validate "$prefix/share/applications/brindlewick.desktop"
appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/io.github.brindlewick.brindlewick.metainfo.xml"
xmllint --noout "$prefix/share/mime/packages/brindlewick.xml"
echo "installed and valid"
