#!/usr/bin/env bash
# Configures (CMakePresets.json: default) and builds into build/ with
# warnings as errors. Arguments name
# the targets to build; none builds everything. Configuring runs every time
# (it takes a second when nothing changed), so that a tree configured with
# other options gets these again. The demo and the tests share one
# configuration, so switching between them rebuilds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
(cd "$root" && cmake --preset default >/dev/null)
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
