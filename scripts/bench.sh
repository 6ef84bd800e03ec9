#!/usr/bin/env bash
# Builds and runs the four benchmarks (drawing, glyph cache fill, editing,
# measuring) and prints their figures as ratios against the anchors measured
# in the same run. Optimised build in build/ (MOJIBAN_BUILD_DIR overrides).
#
#   scripts/bench.sh               all four, wall-clock minutes
#   scripts/bench.sh --callgrind   also instruction counts of the glyph cache
#                                  fill and of typing, under valgrind (slow:
#                                  about ten more minutes)
#   scripts/bench.sh --callgrind-only   the instruction counts alone
#   scripts/bench.sh --quick       one short pass, to see that all runs
#
# Further arguments go to every benchmark program (e.g.
# --benchmark_repetitions=3 reports the median of three). The kanji list is
# read from ../shared/data/joyo-kanji.txt beside the clone, or from
# MOJIBAN_JOYO_KANJI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOJIBAN_BUILD_DIR:-$root/build}
programs=(bench_drawing bench_glyph_cache bench_editing bench_measuring bench_fallbacks)

callgrind=0
timing=1
quick=0
extra=()
for arg in "$@"; do
    case "$arg" in
    --callgrind) callgrind=1 ;;
    --callgrind-only)
        callgrind=1
        timing=0
        ;;
    --quick) quick=1 ;;
    *) extra+=("$arg") ;;
    esac
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset bench -B "$build" >/dev/null)
fi
cmake --build "$build" -j"$(nproc)" --target "${programs[@]}"

# Seconds each program spends per benchmark: long enough for a steady median
# on a shared machine. The glyph cache fill is slow per round.
declare -A min_time=([bench_drawing]=3 [bench_glyph_cache]=12 [bench_editing]=1 [bench_measuring]=0.5 [bench_fallbacks]=3)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
for program in "${programs[@]}"; do
    [ "$timing" -eq 1 ] || break
    time=${min_time[$program]}
    [ "$quick" -eq 1 ] && time=0
    echo
    echo "### $program"
    "$build/bench/$program" --benchmark_min_time="$time" --benchmark_color=false \
        ${extra[@]+"${extra[@]}"} | tee "$logs/$program.txt"
done

# Instruction counts do not depend on the neighbours: one round of each
# benchmark under callgrind, read off the functions that do the measured work.
instructions() { # file function -> inclusive instructions of function, 0 if absent
    callgrind_annotate --inclusive=yes --threshold=100 --auto=no "$1" 2>/dev/null |
        awk -v f="$2" '!found && index($0, f) { gsub(",", "", $1); n = $1; found = 1 }
            END { printf "%.0f\n", n }'
}
ratio() { # a b -> a / b to two decimals, or "n/a"
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'
}
if [ "$callgrind" -eq 1 ]; then
    {
        echo
        echo "== Callgrind: instructions (one round each, no timing noise)"
        out="$logs/cache.out"
        valgrind --tool=callgrind --callgrind-out-file="$out" \
            "$build/bench/bench_glyph_cache" --benchmark_filter=/null$ --benchmark_min_time=0 \
            >"$logs/cache.log" 2>&1 || echo "  (the glyph cache fill failed under valgrind)"
        kanji=2136
        ours=$(instructions "$out" "fillOurCache(")
        freetype=$(instructions "$out" "renderWithFreeTypeAlone(")
        engine=$(instructions "$out" "registerTexturesWithEngine(")
        atlas=$(instructions "$out" "fillAtlasCache(")
        echo "  glyph cache fill, null driver, instructions per kanji:" \
            "ours $((ours / kanji)), FreeType alone $((freetype / kanji))," \
            "engine registering the textures alone $((engine / kanji));" \
            "ours / FreeType $(ratio "$ours" "$freetype")x"
        echo "  glyph cache fill in atlas mode, null driver, instructions per kanji:" \
            "$((atlas / kanji)); atlas / FreeType $(ratio "$atlas" "$freetype")x"
        for layout in single multi_wrap multi_plain multi_lines; do
            for length in 1000 10000 100000; do
                out="$logs/typing-$layout-$length.out"
                valgrind --tool=callgrind --callgrind-out-file="$out" \
                    "$build/bench/bench_editing" --benchmark_filter="^Typing/$layout/$length\$" \
                    --benchmark_min_time=0 >"$logs/typing.log" 2>&1 ||
                    echo "  (typing failed under valgrind)"
                engine=$(instructions "$out" "typeIntoEngineBox(")
                builtin=$(instructions "$out" "typeIntoOurBoxWithBuiltInFont(")
                truetype=$(instructions "$out" "typeIntoOurBoxWithTrueTypeFont(")
                echo "  typing, $layout $length chars, instructions: engine's box $engine," \
                    "ours built-in font $builtin, ours TrueType $truetype;" \
                    "ours / engine's $(ratio "$builtin" "$engine")x"
            done
        done
    } | tee "$logs/zz-callgrind.txt"
fi

echo
echo "######## Summary"
for log in "$logs"/*.txt; do
    sed -n '/^== /,$p' "$log"
done
