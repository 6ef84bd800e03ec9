#!/usr/bin/env bash
# A scripted tour of the demo in a private virtual X server: starts the demo
# in WORKDIR with Burning's software renderer, drives it with xdotool and
# saves a PNG screenshot after each step into SHOTDIR. Exits 0 when the demo
# ended with exit code 0 after "Quit".
# Usage: tour.sh DEMO WORKDIR SHOTDIR
set -euo pipefail
demo=$1
work=$2
shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png

. "$(dirname "$0")/lib/private-x.sh"
start_private_x 1024x768x24
demo_pid=
cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
    stop_private_x
}
trap cleanup EXIT

# Japanese names in the working directory are UTF-8: run in that locale.
export LC_ALL=ja_JP.UTF-8
cd "$work"
echo e | "$demo" >/dev/null &
demo_pid=$!

win=
for _ in $(seq 100); do
    win=$(xdotool search --name "^Irrlicht Engine - Multilingual GUI Demo$" 2>/dev/null | head -1) || true
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || { echo "the demo window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$win" 2>/dev/null || true

step=0
shot() {
    sleep 0.4
    step=$((step + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$shots" "$step" "$1")
    import -window "$win" "$file"
    echo "  $file"
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

echo "Tour screenshots:"
shot start
xdotool mousemove --window "$win" 60 226
sleep 1.5
shot quit-tooltip

# Type into the first box, select what was typed and copy it into the second.
click 540 90
xdotool key --delay 50 End
xdotool type --delay 50 " Hello"
shot typed-latin
xdotool key --delay 50 shift+Left shift+Left shift+Left shift+Left shift+Left
shot selected
xdotool key --delay 50 ctrl+c
click 540 120
xdotool key --delay 50 End space ctrl+v
shot pasted
# Japanese through the X keyboard: the keys an input method commits, put on
# free keys as a Japanese layout would (xdotool alone maps a key only for a
# moment, which a program may miss).
free=($(xmodmap -pke | awk 'NF == 3 {print $2}'))
i=0
for k in U65E5 U672C U8A9E U3067 U3059; do
    xmodmap -e "keycode ${free[$i]} = $k"
    i=$((i + 1))
done
click 540 90
xdotool key --delay 50 End space U65E5 U672C U8A9E U3067 U3059
shot typed-japanese

click 60 306
shot file-dialog
# Twice on the folder's row enters it; once on the file's row chooses it.
click 250 180
sleep 0.3
click 250 180
shot folder-entered
click 250 196
shot file-chosen
click 450 155
shot file-accepted

click 60 266
click 60 266
shot two-windows
xdotool mousemove --window "$win" 233 52 mousedown 1 mousemove --window "$win" 200 52 mouseup 1
shot more-transparent

click 60 226
for _ in $(seq 50); do
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.1
done
status=0
wait "$demo_pid" || status=$?
demo_pid=
echo "The demo ended with exit code $status."
exit "$status"
