#!/usr/bin/env bash
# Fails, naming each file, when a C++ source in the tree does not match .clang-format.
# The formatter is pinned to Debian 12's clang-format-14: other versions format differently.
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"
fmt="${CLANG_FORMAT:-clang-format-14}"
if ! command -v "$fmt" >/dev/null; then
    echo "skipped: $fmt is not installed" >&2
    exit 77
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
bad=0
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    if ! "$fmt" --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "not formatted: $f (run: $fmt -i $f)"
        bad=1
    fi
done
exit $bad
