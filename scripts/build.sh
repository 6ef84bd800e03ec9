#!/usr/bin/env bash
# Configures and builds into build/ with warnings as errors. Arguments name
# the targets to build; none builds everything. Configuring runs every time
# (it takes a second when nothing changed), so that a tree configured with
# other options gets these again. The demo and the tests share one
# configuration, so switching between them rebuilds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOJIBAN_WERROR=ON \
    -DBUILD_TESTING=ON -DMOJIBAN_SANITIZE=OFF -DMOJIBAN_FUZZ=OFF >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
