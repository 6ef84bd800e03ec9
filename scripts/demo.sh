#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working directory demo-work/
# and starts the demo in it. Without a display (DISPLAY unset) it starts a
# virtual X server, answers the prompt, takes a scripted tour and saves
# screenshots under demo-work/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" multilingual-demo >/dev/null
work="$root/demo-work"
"$root/scripts/prepare-workdir.sh" "$work"

if [ -n "${DISPLAY:-}" ]; then
    cd "$work"
    exec "$root/build/multilingual-demo"
fi

exec "$root/scripts/tour.sh" "$root/build/multilingual-demo" "$work" "$work/screenshots"
