# Sourced by the install checks: the shared private X server
# (start_private_x, stop_private_x) and a pixel count for screenshots.
# shellcheck source=../../scripts/lib/private-x.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private-x.sh"

# Prints how many pixels of the PNG's region WxH+X+Y have the colour R,G,B
# (0-255) within 16 in each channel: software renderers lose a little of a
# colour's precision.
count_pixels() {
    local png="$1" region="$2" r="$3" g="$4" b="$5"
    convert "$png" -crop "$region" +repage -alpha off \
        -fx "(abs(r*255-$r)<16 && abs(g*255-$g)<16 && abs(b*255-$b)<16) ? 1 : 0" \
        -format '%[fx:round(mean*w*h)]' info:
}
