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

. "$(dirname "$0")/lib/private-x.sh"
scratch=$(mktemp -d)
cleanup() {
    WINEPREFIX=$scratch/prefix "$wineserver" -k 2>/dev/null || true
    stop_private_x
    rm -rf "$scratch"
}
trap cleanup EXIT

start_private_x 1024x768x24
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all
export LC_ALL=${LC_ALL:-ja_JP.UTF-8}
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
# The first window fails while the boot is still finishing in the background.
"$wineserver" -w </dev/null
status=0
"$wine" "$program" "$@" || status=$?
exit "$status"
