#!/usr/bin/env bash
# Compiles every source of the Windows build (all but the X11 backend) with
# the mingw-w64 cross compiler against the engine's headers. Nothing is linked.
set -euo pipefail
cxx=${1:-x86_64-w64-mingw32-g++}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
for src in app/*.cpp ime/*.cpp ime/win32/*.cpp gui/*/*.cpp; do
    [ -f "$src" ] || continue
    if ! "$cxx" -std=c++17 -Wall -Wextra -Werror -DUNICODE -D_UNICODE -I"$root" \
        -isystem /usr/include/irrlicht -isystem /usr/include/freetype2 -c "$src" -o "$out/$(basename "$src").o"; then
        echo "FAILED: $src"
        status=1
    fi
done
[ $status -eq 0 ] && echo "windows build: all sources compile"
exit $status
