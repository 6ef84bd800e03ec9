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

# Each fuzzer for a short while from its seeds; an input that breaks
# something fails the run (longer runs: scripts/fuzz.sh NAME SECONDS).
mkdir -p "$root/build-fuzz"
for fuzzer in multibyte font editbox; do
    log="$root/build-fuzz/$fuzzer.log"
    if ! "$root/scripts/fuzz.sh" "$fuzzer" 40 >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzzers: fuzz_$fuzzer failed"
        exit 1
    fi
    grep -a '^stat::number_of_executed_units' "$log" | sed "s/^stat::/fuzz_$fuzzer: /"
done
echo "fuzzers: 3 passed, 0 failed"
