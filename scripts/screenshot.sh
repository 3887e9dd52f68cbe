#!/usr/bin/env bash
# Takes screenshots of the real window under Xvfb, with a sample campaign open:
#   scripts/screenshot.sh [output.png] [build-dir]     the window, for the README
#   scripts/screenshot.sh --manual [build-dir]          the manual's pictures, into resources/help
# The manual's pictures show the window, each menu open, the Options dialog and the standard
# toolbar floating; each is cut to what changed on the screen, so they follow the program.
# Installs Xvfb and the screenshot tools when missing (as root, or with sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
manual=0
if [ "${1:-}" = --manual ]; then
  manual=1
  shift
  build=$(cd "${1:-$here/build}" && pwd)
else
  output=$(realpath -m "${1:-$here/docs/screenshot.png}")
  build=$(cd "${2:-$here/build}" && pwd)
fi

needed=()
for package in xvfb xauth x11-apps x11-utils imagemagick xdotool; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    needed+=("$package")
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
# A folder that already holds two of the sample's scenarios, for Save All's question.
mkdir -p "$work/home/Games/Scenarios"
touch "$work/home/Games/Scenarios/Dawn.scx" "$work/home/Games/Scenarios/Trial.scn"

display=:$((RANDOM % 400 + 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display
(cd "$work/home" && HOME="$work/home" XDG_RUNTIME_DIR="$work" \
   "$build/src/app/brindlewick" "$work/home/Games/Dawn of Kings/Three Kingdoms.cpx" >/dev/null 2>&1 &)
sleep 3

# The window's client area on the 1024 x 768 screen: 754 x 530, centred.
window_left=135
window_top=119
window_crop=754x530+$window_left+$window_top

# The screen as a person sees it. Xvfb's root picture leaves popups and tool windows black, so
# every visible window of the program is taken on its own and laid over the root picture,
# bottom window first (xwininfo lists the top one first).
screen() {
  xwd -root -silent | convert xwd:- "$work/root.png"
  local visible layers=("$work/root.png") id position
  visible=$(xdotool search --onlyvisible --class brindlewick | xargs printf '0x%x\n')
  while read -r id position; do
    grep -qx "$id" <<<"$visible" || continue
    xwd -id "$id" -silent | convert xwd:- "$work/window-$id.png"
    layers+=("$work/window-$id.png" -geometry "$position" -composite)
  done < <(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1, $NF}' | tac)
  convert "${layers[@]}" "$1"
}

if [ $manual -eq 0 ]; then
  mkdir -p "$(dirname "$output")"
  screen "$work/screen.png"
  convert "$work/screen.png" -crop "$window_crop" +repage "$output"
  echo "$output"
  exit 0
fi

pictures=$here/resources/help
click() { xdotool mousemove $((window_left + $1)) $((window_top + $2)) click 1; sleep 1; }

# Saves what changed on the screen since $work/before.png, with a margin, as $1.
changed() {
  screen "$work/after.png"
  local box
  box=$(convert "$work/before.png" "$work/after.png" -compose difference -composite \
          -threshold 0 -trim -format '%w %h %X %Y' info:)
  read -r width height left top <<<"$box"
  left=$((${left#+} - 4)); top=$((${top#+} - 4))
  convert "$work/after.png" -crop "$((width + 8))x$((height + 8))+$left+$top" +repage \
    "$pictures/$1"
  echo "$pictures/$1"
}

screen "$work/before.png"
convert "$work/before.png" -crop "$window_crop" +repage "$pictures/window.png"
echo "$pictures/window.png"

# Each menu of the menu bar, opened by its button; Escape closes it again.
for menu in file:24 scenario:101 view:145 help:178; do
  click "${menu##*:}" 11
  changed "menu-${menu%%:*}.png"
  xdotool key Escape
  sleep 1
done

# The Edit menu names the step it would undo: the first scenario is removed first, and the
# menu's Undo puts it back.
click 40 343
xdotool key Delete
sleep 1
screen "$work/before.png"
click 57 11
changed menu-edit.png
xdotool key u
sleep 1
screen "$work/before.png"

# The Check Campaign dialog: the sample mixes the two games and holds a scenario of neither.
sleep 1
screen "$work/before.png"
xdotool key alt+s c
sleep 1
changed check.png
xdotool key Escape
sleep 1

# Save All into the folder that holds two of the files already: its one question. Without a
# window manager the closed dialog left the keyboard nowhere: a click gives it to the window.
click 300 520
xdotool key alt+s
sleep 1
xdotool key a a Return
sleep 3
xdotool key ctrl+a
xdotool type --delay 20 "$work/home/Games/Scenarios"
sleep 1
xdotool key Return
sleep 3
changed saveall-question.png
xdotool key Escape
sleep 1
screen "$work/before.png"

# The Options dialog, from its toolbar button; its Cancel button closes it.
click 309 37
changed options.png
xdotool key alt+c
sleep 1

# The standard toolbar dragged off its dock by its handle: it floats in a window of its own.
screen "$work/before.png"
xdotool mousemove $((window_left + 4)) $((window_top + 37)) mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((window_left + 4 + step * 30)) $((window_top + 37 + step * 40))
  sleep 0.2
done
xdotool mouseup 1
sleep 1
screen "$work/after.png"
convert "$work/after.png" -crop "$window_crop" +repage "$pictures/floating-toolbar.png"
echo "$pictures/floating-toolbar.png"
