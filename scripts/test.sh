#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every
# test. Stages can also be run on their own:
#   scripts/test.sh [STAGE...]
#     unit      the components and the application on their own
#     server    real input-method servers (uim, fcitx5, IBus)
#     e2e       the real program in a private X server, and under valgrind
#     install   the installed components used by examples/, and the .debs
#     windows   the Windows build, its tests under Wine
#     bench     each benchmark once, nothing about speed checked
#     sanitize  the unit suite under AddressSanitizer and UBSan
#     fuzz      each fuzzer for a short while from its seeds
# No stage: all of them; the first six share one CTest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
labels=(unit server e2e install windows bench)
stages=("$@")
if [ ${#stages[@]} -eq 0 ]; then
    stages=(all sanitize fuzz)
fi

run_ctest_labels() { # label regex
    "$root/scripts/build.sh"
    ctest --test-dir "$root/build" -L "$1" --output-on-failure -j"$jobs"
}

# The unit suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test (see tests/sanitizer/run.sh).
run_sanitize() {
    (cd "$root" && cmake --preset sanitize >/dev/null)
    cmake --build "$root/build-asan" -j"$jobs"
    ctest --test-dir "$root/build-asan" -L '^unit$' --output-on-failure -j"$jobs"
}

# Each fuzzer for a short while from its seeds; an input that breaks
# something fails the run (longer runs: scripts/fuzz.sh NAME SECONDS).
run_fuzz() {
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
}

"$root/scripts/install-deps.sh"
for stage in "${stages[@]}"; do
    case "$stage" in
    all) run_ctest_labels "^($(IFS='|'; echo "${labels[*]}"))\$" ;;
    sanitize) run_sanitize ;;
    fuzz) run_fuzz ;;
    *)
        if [[ " ${labels[*]} " == *" $stage "* ]]; then
            run_ctest_labels "^$stage\$"
        else
            echo "unknown stage: $stage (stages: ${labels[*]} sanitize fuzz)" >&2
            exit 2
        fi
        ;;
    esac
done
