#!/usr/bin/env bash
# Builds the Debian packages (libmojiban-<library>1 for each shared library,
# libmojiban-dev, mojiban-demo) in their own tree, with Debian's build flags
# (hardening included), installed below /usr, and leaves them in the given
# folder (default: build-package/debs).
#   scripts/package.sh [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
out=${1:-$build/debs}
"$root/scripts/install-deps.sh"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The preset names the tree; Debian's flags come from dpkg-buildflags, which
# a preset cannot run.
(cd "$root" && cmake --preset package \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null)
cmake --build "$build" -j"$(nproc)"
mkdir -p "$out"
rm -f "$out"/*.deb
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
# CPack leaves its work area beside the packages.
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
