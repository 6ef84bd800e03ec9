#!/usr/bin/env bash
# Builds the Debian packages (libmojiban1, libmojiban-dev, mojiban-demo) in their
# own release tree, installed below /usr, and leaves them in the given folder
# (default: build-package/debs).
#   scripts/package.sh [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
out=${1:-$build/debs}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DMOJIBAN_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$out"
rm -f "$out"/*.deb
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
# CPack leaves its work area beside the packages.
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
