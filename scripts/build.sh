#!/usr/bin/env bash
# Configures (once) and builds into build/ with warnings as errors. Arguments
# name the targets to build; none builds everything. The demo and the tests
# share one configuration, so switching between them rebuilds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMLGUI_WERROR=ON >/dev/null
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
