#!/usr/bin/env bash
# Takes a screenshot of the real window under Xvfb, with a sample campaign open:
#   scripts/screenshot.sh [output.png] [build-dir]
# Installs Xvfb and the screenshot tools when missing (as root, or with sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$here/docs/screenshot.png}")
build=$(cd "${2:-$here/build}" && pwd)

needed=()
for pair in Xvfb:xvfb xauth:xauth xwd:x11-apps convert:imagemagick; do
  command -v "${pair%%:*}" >/dev/null || needed+=("${pair##*:}")
done
if [ ${#needed[@]} -gt 0 ]; then
  sudo_if_needed=(); [ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
  "${sudo_if_needed[@]}" apt-get install -y --no-install-recommends "${needed[@]}"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home/Games/Dawn of Kings"
cp "$here/tests/data/good/Three.cpx" "$work/home/Games/Dawn of Kings/Three Kingdoms.cpx"
cp "$here/tests/data/good/Demo.scn" "$work/home/Games/Dawn of Kings/"

display=:$((RANDOM % 400 + 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
(cd "$work/home" && HOME="$work/home" DISPLAY="$display" XDG_RUNTIME_DIR="$work" \
   "$build/src/app/brindlewick" "$work/home/Games/Dawn of Kings/Three Kingdoms.cpx" >/dev/null 2>&1 &)
sleep 3
mkdir -p "$(dirname "$output")"
DISPLAY="$display" xwd -root -silent | convert xwd:- -crop 754x530+135+119 +repage "$output"
echo "$output"
