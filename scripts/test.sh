#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"

# The unit suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test (see tests/sanitizer/run.sh).
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMLGUI_WERROR=ON \
    -DMLGUI_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$(nproc)"
ctest --test-dir "$root/build-asan" -L unit --output-on-failure -j"$(nproc)"
