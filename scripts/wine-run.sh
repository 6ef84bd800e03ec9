#!/usr/bin/env bash
# Runs a Windows program under Wine in a private virtual X server and a
# private, freshly booted Wine prefix, both removed afterwards; exits with
# the program's exit code. Standard input and output are the program's.
# The locale is ja_JP.UTF-8 unless LC_ALL says otherwise: under it Wine gives
# Windows programs the Japanese ANSI code page 932.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
program=$1
shift
wine=${MOJIBAN_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
[ -x "$wine" ] || { echo "wine-run: $wine is missing (Debian's wine64)" >&2; exit 127; }

scratch=$(mktemp -d)
xvfb=
cleanup() {
    WINEPREFIX=$scratch/prefix "$wineserver" -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# -displayfd: Xvfb picks a free display itself, so runs never collide.
mkfifo "$scratch/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/displayfd" 2>/dev/null &
xvfb=$!
read -r number <"$scratch/displayfd"

export DISPLAY=":$number" WINEPREFIX=$scratch/prefix WINEDEBUG=-all
export LC_ALL=${LC_ALL:-ja_JP.UTF-8}
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
# The first window fails while the boot is still finishing in the background.
"$wineserver" -w </dev/null
status=0
"$wine" "$program" "$@" || status=$?
exit "$status"
