#!/usr/bin/env bash
# Every file or folder of the repository that README.md or docs/*.md names
# exists, so that the docs cannot drift from the tree unseen. A name counts
# when it starts with one of the repository's top folders (or is one of its
# top files); a name without an ending may stand for a header and its
# source (text/UserLocaleText for text/UserLocaleText.h and .cpp).
#   tests/docs/check-doc-paths.sh [REPOSITORY]
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"
pattern='(^|[^[:alnum:]_./~-])((\.ci|app|bench|cmake|docs|examples|fuzz|gui|ime|platform|scripts|tests|text)/[[:alnum:]_./+-]*|README\.md|CMakePresets\.json|LICENSE)'
missing=0
checked=0
for doc in README.md docs/*.md; do
    while read -r name; do
        name=${name%[.,:;]}
        checked=$((checked + 1))
        if [ ! -e "$name" ] && [ ! -e "$name.h" ] && [ ! -e "$name.cpp" ]; then
            echo "$doc names $name, which is not in the tree"
            missing=$((missing + 1))
        fi
    done < <(grep -o -E "$pattern" "$doc" | sed -E 's/^[^[:alnum:]_.]//' | sort -u)
done
[ "$checked" -gt 0 ] || { echo "no paths found in the docs: the pattern is broken"; exit 1; }
[ "$missing" -eq 0 ] || exit 1
echo "$checked names of files and folders in the docs, all in the tree"
