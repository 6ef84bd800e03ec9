#!/usr/bin/env bash
# Lays out the demo's working directory: fonts/ipag.ttf (a link to Debian's
# IPA Gothic) and a folder and a file with Japanese names for the file dialog.
# Usage: prepare-workdir.sh DIR
set -euo pipefail
dir=$1
font=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
[ -f "$font" ] || { echo "missing $font (Debian package fonts-ipafont-gothic)" >&2; exit 1; }
mkdir -p "$dir/fonts"
ln -sfn "$font" "$dir/fonts/ipag.ttf"
# Names in UTF-8, the encoding of the locale the demo runs in.
mkdir -p "$dir/日本語フォルダ"
[ -f "$dir/日本語フォルダ/テスト文書.txt" ] || echo "こんにちは" > "$dir/日本語フォルダ/テスト文書.txt"
[ -f "$dir/読んでください.txt" ] || echo "IPAゴシックで表示します" > "$dir/読んでください.txt"
