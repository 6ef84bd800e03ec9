#!/usr/bin/env bash
# Configures (once) and builds into build/. Extra arguments go to CMake's
# configure step, e.g. -DMLGUI_WERROR=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/build" -j"$(nproc)"
