#!/usr/bin/env bash
# Mutation testing, run on demand (not in CI). Each row of scripts/mutants.tsv
# is one small change of the source that a test ought to notice. The tree is
# copied once into a scratch directory and its test programs built there;
# then each mutant is applied to that copy (never to this tree), the programs
# it names are rebuilt and run, and the source is put back. A mutant whose
# programs still pass survived: the list of survivors ends the report, and
# the script exits 1 when there is any.
#   scripts/mutate.sh [PATTERN]   only the mutants whose name matches PATTERN
# MOJIBAN_MUTATE_DIR names the scratch directory (default /tmp/mojiban-mutate);
# it is kept between runs, so a second run rebuilds only what changed.
#
# A row has five fields separated by tabs: a name; the file; the programs to
# run, comma-separated, each optionally with a colon and a gtest filter; the
# text to replace, which must occur exactly once in the file; and what
# replaces it. In the last two, \n stands for a line break, \t for a tab and
# \\ for a backslash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
table="$root/scripts/mutants.tsv"
pattern=${1:-.}
scratch=${MOJIBAN_MUTATE_DIR:-/tmp/mojiban-mutate}
src="$scratch/src"
build="$scratch/build"
log="$scratch/log"
mkdir -p "$src" "$log"

# The tree as it is now, committed or not; build trees stay out. Only files
# whose content differs are copied, and they get the time of the copy: a
# file's own older time could be taken for older than the objects built from
# a mutant of it, which would then never be rebuilt.
stage="$scratch/stage"
rm -rf "$stage"
mkdir -p "$stage"
(cd "$root" && git ls-files -co --exclude-standard -z | tar --null -T - -cf -) | tar -C "$stage" -xf -
(cd "$stage" && find . -type f -print0) | while IFS= read -r -d '' f; do
    if ! cmp -s "$stage/$f" "$src/$f"; then
        mkdir -p "$(dirname "$src/$f")"
        cp "$stage/$f" "$src/$f"
    fi
done
if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$src" && cmake --preset default -B "$build" -DMOJIBAN_WERROR=OFF >"$log/configure.txt")
fi

# Applies one replacement to a file; fails unless the text occurs exactly once.
mutate_file() {
    FROM=$1 TO=$2 perl -0777 -i -pe '
        BEGIN { for my $v (\$ENV{FROM}, \$ENV{TO}) {
            $$v =~ s/\\([\\nt])/$1 eq "n" ? "\n" : $1 eq "t" ? "\t" : "\\"/ge } }
        my $n = () = /\Q$ENV{FROM}\E/g;
        die "found $n times\n" unless $n == 1;
        s/\Q$ENV{FROM}\E/$ENV{TO}/;' "$3"
}

programs_of() {
    tr ',' '\n' <<<"$1" | cut -d: -f1 | sort -u
}

# Builds the unmutated programs first: a test that fails without a mutant
# would count every mutant as killed.
all_programs=$(grep -v '^#' "$table" | cut -f3 | tr ',' '\n' | cut -d: -f1 | sort -u | grep . || true)
echo "building $(echo $all_programs) in $build"
# shellcheck disable=SC2046
nice cmake --build "$build" -j"$(nproc)" $(printf -- '--target %s ' $all_programs) >"$log/build.txt"

# Runs the comma-separated programs of a row into a log; false when any fails.
run_programs() {
    local run program filter
    for run in ${1//,/ }; do
        program=${run%%:*}
        filter='*'
        [[ "$run" == *:* ]] && filter=${run#*:}
        (cd "$build/tests" && timeout 900 "./$program" --gtest_brief=1 --gtest_filter="$filter") \
            >>"$2" 2>&1 || return 1
    done
}

# Every row's programs must pass unmutated; otherwise a failure would be
# counted as a kill.
baseline=$(grep -v '^#' "$table" | cut -f3 | tr ',' '\n' | grep . | sort -u | paste -sd, -)
if ! run_programs "$baseline" "$log/baseline.txt"; then
    echo "the unmutated tests fail; see $log/baseline.txt"
    exit 2
fi

killed=0
survivors=()
stillborn=()
while IFS=$'\t' read -r name file runs from to; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    [[ "$name" =~ $pattern ]] || continue
    cp "$src/$file" "$scratch/original"
    if ! mutate_file "$from" "$to" "$src/$file" 2>"$log/$name.txt"; then
        echo "STALE     $name: the text to replace is not in $file once"
        stillborn+=("$name")
        continue
    fi
    outcome=survived
    # shellcheck disable=SC2046
    if ! nice cmake --build "$build" -j"$(nproc)" $(printf -- '--target %s ' $(programs_of "$runs")) \
        >>"$log/$name.txt" 2>&1; then
        outcome=stillborn
    elif ! run_programs "$runs" "$log/$name.txt"; then
        outcome=killed
    fi
    cp "$scratch/original" "$src/$file"
    case $outcome in
    killed) killed=$((killed + 1)) ;;
    survived) survivors+=("$name") ;;
    stillborn) stillborn+=("$name") ;;
    esac
    printf '%-9s %s\n' "${outcome^^}" "$name"
done <"$table"

echo
echo "mutants: $killed killed, ${#survivors[@]} survived, ${#stillborn[@]} did not build or apply"
echo "logs: $log/NAME.txt"
for s in "${survivors[@]}"; do echo "survivor: $s"; done
[ ${#survivors[@]} -eq 0 ]
