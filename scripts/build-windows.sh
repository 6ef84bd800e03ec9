#!/usr/bin/env bash
# Builds the Windows program and its test programs with mingw-w64 into
# build-windows/ (MOJIBAN_WINDOWS_BUILD_DIR overrides), warnings as errors.
# The engine 1.8.5, FreeType and GoogleTest are built for Windows from
# Debian's own source packages and kept in a cache outside the build trees
# (${XDG_CACHE_HOME:-~/.cache}/mojiban-windows, MOJIBAN_WINDOWS_CACHE overrides),
# keyed by the package versions and the flags, so that only the first run
# builds them. Arguments name targets to build; none builds everything.
#   scripts/build-windows.sh                  install, dependencies, everything
#   scripts/build-windows.sh --no-install     the same without scripts/install-deps.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOJIBAN_WINDOWS_BUILD_DIR:-$root/build-windows}
cache=${MOJIBAN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mojiban-windows}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=$(nproc)

install=1
targets=()
for arg in "$@"; do
    case "$arg" in
    --no-install) install=0 ;;
    *) targets+=(--target "$arg") ;;
    esac
done
[ "$install" -eq 1 ] && "$root/scripts/install-deps.sh"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry for the running release; add one
# beside the system's own entries, in the form they use.
ensure_deb_src() {
    apt-cache showsrc irrlicht 2>/dev/null | grep -q '^Package: irrlicht' && return 0
    # shellcheck disable=SC1091
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    local entries
    entries=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v release="$codename" '
        function flush() { if (deb && suites ~ release) printf "%s\n", stanza; stanza = ""; deb = 0; suites = "" }
        /^[ \t]*$/ { flush(); next }
        /^Types:/ { deb = $0 ~ /[ \t]deb([ \t]|$)/; stanza = stanza "Types: deb-src\n"; next }
        /^Suites:/ { suites = $0 }
        { stanza = stanza $0 "\n" }
        END { flush() }')
    if [ -n "$entries" ]; then
        echo "Adding deb-src entries for $codename (/etc/apt/sources.list.d/mojiban-deb-src.sources)"
        printf '%s\n' "$entries" | as_root tee /etc/apt/sources.list.d/mojiban-deb-src.sources >/dev/null
    else
        entries=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v release="$codename" '$1 == "deb" && $0 ~ release { $1 = "deb-src"; print }')
        [ -n "$entries" ] || { echo "no Debian entry for $codename in /etc/apt" >&2; return 1; }
        echo "Adding deb-src entries for $codename (/etc/apt/sources.list.d/mojiban-deb-src.list)"
        printf '%s\n' "$entries" | as_root tee /etc/apt/sources.list.d/mojiban-deb-src.list >/dev/null
    fi
    as_root apt-get update -qq
}

source_version() { # package -> the version apt-get source fetches
    apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -1
}

# The engine without the image and archive libraries Debian's source leaves
# out (JPEG, PNG, bzip2, LZMA), with the system's zlib, Direct3D 9 from
# mingw-w64 and no DirectInput joystick; Direct3D 8 needs the d3dx8 headers
# mingw-w64 lacks, so it stays out as upstream leaves it by default.
engine_defines="-D_IRR_STATIC_LIB_ -DIRR_COMPILE_WITH_DX9_DEV_PACK -D__GNUWIN32__ -D_WIN32 -DWIN32
 -D_WINDOWS -D_MBCS -DNO_IRR_COMPILE_WITH_DIRECTINPUT_JOYSTICK_ -DNO_IRR_COMPILE_WITH_LIBJPEG_
 -DNO_IRR_COMPILE_WITH_JPG_LOADER_ -DNO_IRR_COMPILE_WITH_JPG_WRITER_ -DNO_IRR_COMPILE_WITH_LIBPNG_
 -DNO_IRR_COMPILE_WITH_PNG_LOADER_ -DNO_IRR_COMPILE_WITH_PNG_WRITER_ -DNO_IRR_COMPILE_WITH_BZIP2_
 -DNO_IRR_COMPILE_WITH_LZMA_ -DNO_IRR_USE_NON_SYSTEM_ZLIB_"
engine_defines=$(echo $engine_defines)
# -O1: the engine's speed is not what these builds are for, its build time is.
engine_cxxflags="-O1 -pipe -fno-exceptions -fstrict-aliasing -w"
deps_cflags="-O1"

build_engine() { # srcdir prefix
    local src=$1/source/Irrlicht
    mkdir -p "$1/lib/Win32-gcc"
    nice make -C "$src" -j"$jobs" staticlib_win32 NDEBUG=1 \
        CXX="$triplet-g++-posix" CC="$triplet-gcc-posix" AR="$triplet-ar" \
        CPPFLAGS="-I../../include $engine_defines" CXXFLAGS="$engine_cxxflags" CFLAGS="$deps_cflags -w" \
        >"$1.log" 2>&1 || { tail -n 40 "$1.log"; return 1; }
    mkdir -p "$2/include/irrlicht" "$2/lib"
    cp "$1"/include/*.h "$2/include/irrlicht/"
    cp "$1/lib/Win32-gcc/libIrrlicht.a" "$2/lib/"
}

build_cmake_package() { # srcdir builddir prefix [cmake options...]
    local src=$1 dir=$2 prefix=$3
    shift 3
    {
        cmake -S "$src" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_C_FLAGS="$deps_cflags" -DCMAKE_CXX_FLAGS="$deps_cflags" \
            -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" &&
            nice cmake --build "$dir" -j"$jobs" && cmake --install "$dir"
    } >"$dir.log" 2>&1 || { tail -n 40 "$dir.log"; return 1; }
}

build_dependencies() { # prefix workdir
    local prefix=$1 work=$2
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq irrlicht freetype >"$work/source.log" 2>&1) ||
        { tail -n 20 "$work/source.log"; return 1; }
    echo "Building the engine for Windows (a few minutes, once)"
    build_engine "$(ls -d "$work"/irrlicht-*/)" "$prefix.part"
    echo "Building FreeType and GoogleTest for Windows"
    build_cmake_package "$(ls -d "$work"/freetype-*/)" "$work/freetype-build" "$prefix.part" \
        -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
        -DFT_DISABLE_BROTLI=ON
    build_cmake_package /usr/src/googletest "$work/googletest-build" "$prefix.part" -DBUILD_GMOCK=OFF
    mv "$prefix.part" "$prefix"
    rm -rf "$work"
}

mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
ensure_deb_src
key=$(printf '%s\n' "irrlicht $(source_version irrlicht)" "freetype $(source_version freetype)" \
    "googletest $(dpkg-query -W -f='${Version}' googletest)" "$("$triplet-g++-posix" --version | head -1)" \
    "$engine_defines" "$engine_cxxflags" "$deps_cflags" "$(sha1sum "$toolchain" | cut -c1-40)" |
    sha1sum | cut -c1-16)
prefix=$cache/deps-$key
if [ ! -d "$prefix" ]; then
    rm -rf "$prefix.part"
    build_dependencies "$prefix" "$cache/work-$key"
fi
flock -u 9

(cd "$root" && cmake --preset windows -B "$build" -DMOJIBAN_WINDOWS_PREFIX="$prefix" >/dev/null)
nice cmake --build "$build" -j"$jobs" ${targets[@]+"${targets[@]}"}
