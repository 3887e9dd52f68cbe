#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as a maintainer would: the
# files it holds, its dependencies, lintian, the metadata validators, and that the programs
# run from an extracted tree.
#   check_package.sh <build folder> <sample data folder> <version>
set -euo pipefail
build=$1
data=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  exit 1
}
shopt -s nullglob
packages=("$work"/out/brindlewick_*_*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "expected one brindlewick_<version>_<arch>.deb" >&2; exit 1; }
deb=${packages[0]}
arch=$(dpkg --print-architecture)
case $(basename "$deb") in
  "brindlewick_${version}_$arch.deb") ;;
  *) echo "unexpected package name $(basename "$deb")" >&2; exit 1 ;;
esac

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for file in \
  /usr/bin/brindlewick \
  /usr/bin/brindlewick-cli \
  /usr/share/applications/brindlewick.desktop \
  /usr/share/metainfo/io.github.brindlewick.brindlewick.metainfo.xml \
  /usr/share/mime/packages/brindlewick.xml \
  /usr/share/icons/hicolor/16x16/apps/brindlewick.png \
  /usr/share/icons/hicolor/32x32/apps/brindlewick.png \
  /usr/share/icons/hicolor/256x256/apps/brindlewick.png \
  /usr/share/brindlewick/help/brindlewick.html \
  /usr/share/brindlewick/help/brindlewick.de.html \
  /usr/share/brindlewick/help/brindlewick.zh_CN.html \
  /usr/share/brindlewick/translations/brindlewick_de.qm \
  /usr/share/brindlewick/translations/brindlewick_zh_CN.qm \
  /usr/share/brindlewick/help/window.png \
  /usr/share/brindlewick/help/options.png \
  /usr/share/man/man1/brindlewick.1.gz \
  /usr/share/man/man1/brindlewick-cli.1.gz \
  /usr/share/bash-completion/completions/brindlewick-cli \
  /usr/share/doc/brindlewick/copyright \
  /usr/share/doc/brindlewick/changelog.gz; do
  grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
if grep -v '^/usr/' "$work/contents" | grep -v '^/$' | grep -q .; then
  fail "files outside /usr: $(grep -v '^/usr/' "$work/contents" | grep -v '^/$' | tr '\n' ' ')"
fi

# Dependencies come from the linked libraries, plus Qt's platform plugins.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# Installed and removed by dpkg with a private database and root: every file lands, removing
# leaves nothing behind, and apt finds every dependency.
private=$work/dpkg
mkdir -p "$private/admin/updates" "$private/admin/info" "$private/root"
touch "$private/admin/status" "$private/admin/available"
dpkg_private=(dpkg --admindir="$private/admin" --instdir="$private/root" --force-not-root
              --force-script-chrootless)
if "${dpkg_private[@]}" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1; then
  diff <(grep -v '/$' "$work/contents" | sort) \
       <(cd "$private/root" && find . -type f | sed 's|^\.||' | sort) ||
    fail "dpkg installed other files than the package lists"
  "${dpkg_private[@]}" -r brindlewick >>"$work/dpkg.log" 2>&1 || fail "dpkg -r"
  left=$(cd "$private/root" && find . -mindepth 1)
  [ -z "$left" ] || fail "removing left behind: $left"
else
  cat "$work/dpkg.log" >&2
  fail "dpkg -i"
fi
apt-get -s install "$deb" >"$work/apt.log" 2>&1 && grep -q '^Inst brindlewick' "$work/apt.log" ||
  { cat "$work/apt.log" >&2; fail "apt cannot satisfy the dependencies"; }

dpkg-deb -x "$deb" "$work/root"
root=$work/root
"$root/usr/bin/brindlewick-cli" --help | grep -q 'set-version' || fail "brindlewick-cli --help"
"$root/usr/bin/brindlewick-cli" list "$data/good/Three.cpx" >"$work/list.txt" ||
  fail "brindlewick-cli list"
grep -q 'Title:' "$work/list.txt" || fail "brindlewick-cli list printed no title"
QT_QPA_PLATFORM=offscreen BRINDLEWICK_QUIT_WHEN_SHOWN=1 \
  "$root/usr/bin/brindlewick" "$data/good/Three.cpx" || fail "the editor did not start and end"

desktop-file-validate "$root/usr/share/applications/brindlewick.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic \
  "$root/usr/share/metainfo/io.github.brindlewick.brindlewick.metainfo.xml" ||
  fail "appstreamcli validate"
for page in brindlewick brindlewick-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

command -v lintian >/dev/null || { echo "lintian is not installed (scripts/setup.sh)" >&2; exit 1; }
lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then
  fail "lintian reports errors"
fi

[ $failed -eq 0 ] && echo "package $(basename "$deb") built and checked"
exit $failed
