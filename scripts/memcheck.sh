#!/usr/bin/env bash
# The headless tour with the demo under valgrind memcheck. Fails on any
# invalid read or write, use of uninitialised memory, bad free, and on any
# definitely or indirectly lost block whose stack passes through our code.
# Usage: memcheck.sh DEMO [LOG]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
log=${2:-$(mktemp --suffix=.memcheck.log)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/prepare-workdir.sh" "$work/dir"

wrapper="$work/demo-under-valgrind"
cat >"$wrapper" <<WRAP
#!/bin/sh
exec valgrind --log-file="$log" --error-exitcode=99 --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=none \
    --num-callers=40 --fullpath-after= --suppressions="$root/scripts/memcheck.supp" "$demo" "\$@"
WRAP
chmod +x "$wrapper"

status=0
"$root/scripts/tour.sh" "$wrapper" "$work/dir" "$work/shots" >/dev/null || status=$?
if [ "$status" -ne 0 ]; then
    echo "memcheck: the tour failed (exit $status); see $log"
    exit 1
fi
if ! grep -q "ERROR SUMMARY: 0 errors" "$log"; then
    echo "memcheck: errors reported:"
    grep -A25 -E "^==[0-9]+== (Invalid|Conditional|Use of|Mismatched|Syscall|Source and)" "$log" | head -80
    exit 1
fi
# Leak records that pass through the program's own sources.
ours=$(awk '/(definitely|indirectly) lost in loss record/ {keep=1; rec=$0; next}
            keep && /^==[0-9]+== *$/ {keep=0; if (hit) print rec; hit=0; next}
            keep && /\/(app|ime|platform|text|gui)\/[A-Za-z0-9_]+\.(cpp|h):/ {hit=1}' "$log")
if [ -n "$ours" ]; then
    echo "memcheck: leaks from our code:"
    echo "$ours"
    exit 1
fi
echo "memcheck: clean ($(grep -E 'definitely lost:' "$log" | sed 's/^==[0-9]*== *//'))"
