#!/usr/bin/env bash
# An outside user of the installed components: installs the build tree into a
# temporary prefix, builds examples/ against it with find_package (and once
# more from the pkg-config file), runs the example on Burning's software
# renderer in a private X server and checks that its Japanese label was drawn,
# and its Japanese, Chinese and Korean one, the last two from system fonts.
#   tests/install/check-example.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: check-example.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
. "$here/private-x.sh"
trap 'stop_private_x; rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$root/examples" -B "$work/example" -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$work/example" >/dev/null
echo "example built with find_package(Mojiban)"

pcdir=$(dirname "$(find "$work/prefix" -name mojiban.pc)")
# shellcheck disable=SC2046
# Without -Wextra: pkg-config puts the engine's headers on the ordinary
# include path, and they are not -Wextra clean.
c++ -std=c++17 -Wall -Werror "$root/examples/RotatingLabel.cpp" -o "$work/pc-example" \
    $(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags --libs mojiban)
echo "example built with pkg-config"

start_private_x 800x600x24
(cd "$work" && timeout 60 ./example/rotating-label --frames 30 --screenshot "$work/shot.png" \
    >"$work/run.log" 2>&1) || { cat "$work/run.log"; echo "the example failed"; exit 1; }

# The label is yellow on dark blue, at (20,20) in a 600x40 box; the stroke
# pixels of its glyphs have the label's colour, and nothing else in the
# picture has.
label=$(count_pixels "$work/shot.png" 600x40+20+20 255 255 0)
rest=$(count_pixels "$work/shot.png" 640x400+0+70 255 255 0)
echo "label pixels: $label, elsewhere: $rest"
if [ "$label" -lt 300 ] || [ "$rest" -ne 0 ]; then
    echo "the Japanese label was not drawn"
    exit 1
fi

# The second label, cyan, has one 200-pixel cell per script at y 70, its
# text (two or three 24-pixel characters) in the cell's first 100 pixels.
# None of 汉语 and 한국어 is in IPA Gothic: their ink comes from the
# fallbacks. The rest of each cell, and everything below, stays unwritten.
for cell in 0 1 2; do
    x=$((20 + cell * 200))
    ink=$(count_pixels "$work/shot.png" 100x40+$x+70 0 255 255)
    gap=$(count_pixels "$work/shot.png" 95x40+$((x + 105))+70 0 255 255)
    echo "script $cell: $ink pixels, $gap beside"
    if [ "$ink" -lt 60 ] || [ "$gap" -ne 0 ]; then
        echo "the label's script $cell was not drawn where it belongs"
        exit 1
    fi
done
below=$(count_pixels "$work/shot.png" 640x370+0+110 0 255 255)
[ "$below" -eq 0 ] || { echo "$below label pixels below the labels"; exit 1; }
