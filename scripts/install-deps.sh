#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and generates
# the locales the tests use (Japanese, simplified and traditional Chinese,
# Korean). Does nothing when all is there already.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libirrlicht-dev libfreetype-dev libfontconfig-dev libx11-dev libgl1-mesa-dri
    libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils x11-xserver-utils xclip imagemagick
    locales
    g++-mingw-w64-x86-64
    valgrind clang-format
    uim-xim uim-anthy xfonts-base
    fcitx5 fcitx5-anthy ibus ibus-anthy python3-gi dbus-daemon libnss-wrapper
    lintian
    fcitx5-chinese-addons fcitx5-hangul fcitx5-chewing ibus-libpinyin ibus-hangul ibus-chewing
    clang-14 libclang-rt-14-dev
    fonts-cantarell fonts-wqy-microhei fonts-terminus-otb
    wine64 libz-mingw-w64-dev dpkg-dev googletest
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

have_locale() {
    locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/-//g' | grep -qx "$1"
}
need_gen=0
# Only locales that Debian's locales package lists go into locale.gen.
# Each entry: the line as Debian lists it, then the name locale -a shows.
for entry in "ja_JP.UTF-8 UTF-8:ja_jp.utf8" "ja_JP.EUC-JP EUC-JP:ja_jp.eucjp" \
    "zh_CN.UTF-8 UTF-8:zh_cn.utf8" "zh_CN.GB18030 GB18030:zh_cn.gb18030" \
    "ko_KR.UTF-8 UTF-8:ko_kr.utf8" "ko_KR.EUC-KR EUC-KR:ko_kr.euckr" \
    "zh_TW.UTF-8 UTF-8:zh_tw.utf8" "zh_TW BIG5:zh_tw"; do
    line=${entry%%:*}
    name=${entry##*:}
    if ! have_locale "$name"; then
        grep -qx "$line" /usr/share/i18n/SUPPORTED || { echo "Debian lists no $line"; exit 1; }
        if ! grep -qx "$line" /etc/locale.gen 2>/dev/null; then
            echo "$line" | as_root tee -a /etc/locale.gen >/dev/null
        fi
        need_gen=1
    fi
done
if [ "$need_gen" -eq 1 ]; then
    # Locales already there stay (and stay usable meanwhile): Shift_JIS
    # below is not in locale.gen and would otherwise be removed.
    as_root locale-gen --keep-existing >/dev/null
fi
# Shift_JIS is not on that list (it is not ASCII compatible), but glibc
# builds it from its own sources; a test of the edit box and the fuzzers use
# it. It goes straight into the locale archive, not into locale.gen.
if ! have_locale ja_jp.sjis; then
    as_root localedef --no-warnings=ascii -i ja_JP -f SHIFT_JIS ja_JP.SJIS
fi
