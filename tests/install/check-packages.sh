#!/usr/bin/env bash
# The Debian packages: builds them (scripts/package.sh), checks what each
# holds and depends on, runs lintian over them (an error or a warning fails),
# installs them with apt (as root; otherwise unpacks
# them into a temporary root), runs the installed demo in a private X server
# from a working directory with fonts/ipag.ttf, and ends it with Quit.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
installed=0
libraries=(text platform font editbox filedialog inputmethod)
runtime=()
for lib in "${libraries[@]}"; do runtime+=("libmojiban-${lib}1"); done
. "$here/private-x.sh"
cleanup() {
    stop_private_x
    if [ "$installed" = 1 ]; then
        apt-get remove -y -qq mojiban-demo libmojiban-dev "${runtime[@]}" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"$root/scripts/package.sh" "$work/debs" >/dev/null
libdir=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
expect_file() { # package path
    dpkg-deb -c "$work/debs/$1"_*.deb | awk '{print $6}' | grep -qx "./$2" ||
        { echo "$1 lacks /$2"; exit 1; }
}
expect_depends() { # package dependency
    dpkg-deb -f "$work/debs/$1"_*.deb Depends | tr ',' '\n' | grep -q "^ *$2\b" ||
        { echo "$1 does not depend on $2"; exit 1; }
}
expect_exact_depends() { # package dependency version
    dpkg-deb -f "$work/debs/$1"_*.deb Depends | tr ',' '\n' | grep -qx " *$2 (= $3)" ||
        { echo "$1 does not depend on exactly $2 $3"; exit 1; }
}
version=$(dpkg-deb -f "$work/debs/libmojiban-dev"_*.deb Version)
for lib in "${libraries[@]}"; do
    package=libmojiban-${lib}1
    expect_file "$package" "$libdir/libmojiban-$lib.so.1"
    expect_file libmojiban-dev "$libdir/libmojiban-$lib.a"
    expect_file libmojiban-dev "$libdir/libmojiban-$lib.so"
    expect_exact_depends libmojiban-dev "$package" "$version"
    expect_depends "$package" libirrlicht1.8
    dpkg-deb -I "$work/debs/$package"_*.deb shlibs | grep -qx "libmojiban-$lib 1 $package (>= ${version%-*})" ||
        { echo "$package has no shlibs entry for its library"; exit 1; }
done
for package in "${runtime[@]}" libmojiban-dev mojiban-demo; do
    expect_file "$package" "usr/share/doc/$package/copyright"
    expect_file "$package" "usr/share/doc/$package/changelog.Debian.gz"
done
expect_file libmojiban-dev usr/include/mojiban/mojiban.h
expect_file libmojiban-dev "$libdir/cmake/Mojiban/MojibanConfig.cmake"
expect_file libmojiban-dev "$libdir/pkgconfig/mojiban.pc"
expect_file mojiban-demo usr/bin/multilingual-demo
expect_file mojiban-demo usr/share/man/man1/multilingual-demo.1.gz
expect_depends libmojiban-font1 libfreetype6
expect_depends libmojiban-font1 libfontconfig1
expect_depends libmojiban-dev libfontconfig-dev
expect_depends libmojiban-platform1 libx11-6
expect_exact_depends libmojiban-platform1 libmojiban-text1 "$version"
expect_exact_depends libmojiban-inputmethod1 libmojiban-platform1 "$version"
expect_exact_depends libmojiban-editbox1 libmojiban-platform1 "$version"
expect_exact_depends libmojiban-filedialog1 libmojiban-text1 "$version"
if dpkg-deb -f "$work/debs/libmojiban-filedialog1"_*.deb Depends | grep -q 'libx11\|libmojiban-platform'; then
    echo "libmojiban-filedialog1 depends on the window system"; exit 1
fi
expect_depends mojiban-demo fonts-ipafont-gothic
expect_exact_depends mojiban-demo libmojiban-font1 "$version"
echo "packages hold what they should and name their dependencies"

# Informational tags that stay are listed, with their reasons, in
# docs/PACKAGING.md.
lintian --fail-on error,warning --tag-display-limit 0 "$work"/debs/*.deb >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; echo "lintian reports errors or warnings (or did not run)"; exit 1; }
echo "lintian: no error, no warning"

if [ "$(id -u)" -eq 0 ] && [ "${MOJIBAN_NO_APT:-0}" != 1 ]; then
    installed=1
    apt-get install -y -qq "$work"/debs/*.deb >/dev/null 2>"$work/apt.log" ||
        { cat "$work/apt.log"; exit 1; }
    demo=/usr/bin/multilingual-demo
    echo "installed with apt"
else
    for deb in "$work"/debs/*.deb; do dpkg-deb -x "$deb" "$work/root"; done
    export LD_LIBRARY_PATH="$work/root/$libdir"
    demo="$work/root/usr/bin/multilingual-demo"
    echo "unpacked (not root: no apt)"
fi

start_private_x 800x600x24
mkdir -p "$work/run/fonts"
ln -s /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$work/run/fonts/ipag.ttf"
(cd "$work/run" && echo c | timeout 60 "$demo" >"$work/run.log" 2>&1; echo $? >"$work/rc") &
window=$(timeout 20 xdotool search --sync --name "Multilingual GUI Demo" | head -n1)
# Quit sits at (10,210)-(110,240) in the window.
xdotool mousemove --window "$window" 60 225 click 1
for _ in $(seq 100); do [ -s "$work/rc" ] && break; sleep 0.1; done
rc=$(cat "$work/rc" 2>/dev/null || echo none)
grep -q "Please select the driver" "$work/run.log" || { cat "$work/run.log"; exit 1; }
[ "$rc" = 0 ] || { cat "$work/run.log"; echo "the installed demo ended with $rc"; exit 1; }
echo "the installed demo ran and ended with 0"
