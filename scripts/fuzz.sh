#!/usr/bin/env bash
# Builds one fuzzer (multibyte, font or editbox) with clang in build-fuzz/
# and runs it for the given number of seconds, starting from its committed
# seeds. New inputs go to build-fuzz/corpus/NAME, never into the repository;
# an input that breaks something is saved in build-fuzz/artifacts/NAME/ and
# the script fails. Further arguments go to libFuzzer (e.g. -jobs=2).
#   scripts/fuzz.sh NAME SECONDS [libFuzzer options...]
#   scripts/fuzz.sh NAME repro FILE...   runs just those inputs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?usage: fuzz.sh NAME SECONDS}
seconds=${2:?usage: fuzz.sh NAME SECONDS}
shift 2
build="$root/build-fuzz"

if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset fuzz >/dev/null)
fi
cmake --build "$build" --target "fuzz_$name" -j"$(nproc)" >/dev/null

# The font fuzzer damages fonts of other formats beside IPA Gothic, taken
# from the packages scripts/install-deps.sh installs, in this order (the
# seeds choose them by it): a PCF strike of Japanese glyphs (unpacked, as
# Debian ships it compressed), OpenType with CFF outlines, a TrueType
# collection, and a font of embedded bitmap strikes only.
if [ "$name" = font ]; then
    fonts="$build/fonts"
    mkdir -p "$fonts"
    gzip -dc /usr/share/fonts/X11/misc/12x13ja.pcf.gz >"$fonts/12x13ja.pcf"
    list=("$fonts/12x13ja.pcf"
        /usr/share/fonts/opentype/cantarell/Cantarell-Regular.otf
        /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
        /usr/share/fonts/opentype/terminus/terminus-normal.otb)
    for f in "${list[@]}"; do
        [ -f "$f" ] || { echo "fuzz.sh: $f is missing (scripts/install-deps.sh)" >&2; exit 1; }
    done
    MOJIBAN_FUZZ_FONTS=$(IFS=:; echo "${list[*]}")
    export MOJIBAN_FUZZ_FONTS
fi

run=("$root/tests/sanitizer/run.sh" "$build/fuzz/fuzz_$name")
if [ "$seconds" = repro ]; then
    exec "${run[@]}" "$@"
fi

corpus="$build/corpus/$name"
artifacts="$build/artifacts/$name"
mkdir -p "$corpus" "$artifacts"
# Inputs stay small: each is a script of edits, keys or bytes, not a file.
"${run[@]}" "$corpus" "$root/fuzz/corpus/$name" -max_total_time="$seconds" \
    -max_len=4096 -timeout=20 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$@"
