# Sourced by the install checks. start_private_x starts an X server of our
# own on a free display (the server picks it) and exports DISPLAY;
# stop_private_x ends it (the scripts call it on exit).
PRIVATE_X_PID=
start_private_x() {
    local displayfile="$1"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    PRIVATE_X_PID=$!
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    [ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(head -n1 "$displayfile")"
}
stop_private_x() {
    if [ -n "$PRIVATE_X_PID" ]; then kill "$PRIVATE_X_PID" 2>/dev/null || true; fi
}

# Prints how many pixels of the PNG's region WxH+X+Y have the colour R,G,B
# (0-255) within 16 in each channel: software renderers lose a little of a
# colour's precision.
count_pixels() {
    local png="$1" region="$2" r="$3" g="$4" b="$5"
    convert "$png" -crop "$region" +repage -alpha off \
        -fx "(abs(r*255-$r)<16 && abs(g*255-$g)<16 && abs(b*255-$b)<16) ? 1 : 0" \
        -format '%[fx:round(mean*w*h)]' info:
}
