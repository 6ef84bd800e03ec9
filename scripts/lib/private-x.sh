# Sourced by the scripts that need an X server of their own (the tour, Wine
# runs, the install checks). start_private_x [WxHxD] starts Xvfb on a display
# it picks itself (-displayfd), so that runs never collide, and exports
# DISPLAY; stop_private_x ends it. Call stop_private_x from the caller's own
# EXIT trap.
PRIVATE_X_PID=
start_private_x() {
    local screen=${1:-1024x768x24} displayfile deadline
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    PRIVATE_X_PID=$!
    deadline=$((SECONDS + 10))
    while [ ! -s "$displayfile" ] && [ "$SECONDS" -lt "$deadline" ] &&
        kill -0 "$PRIVATE_X_PID" 2>/dev/null; do
        sleep 0.05
    done
    if [ ! -s "$displayfile" ]; then
        rm -f "$displayfile"
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
}
stop_private_x() {
    if [ -n "$PRIVATE_X_PID" ]; then kill "$PRIVATE_X_PID" 2>/dev/null || true; fi
    PRIVATE_X_PID=
}
