#!/usr/bin/env bash
# The number reader and writers built as the WebAssembly build builds them (printf and strtod)
# against the native build (double-conversion, std::from_chars/to_chars): the same output for
# 200,000 doubles and 20,000 texts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sources=("$here/numbers_probe.cpp" "$top/physics/numbers.cpp" "$top/physics/numberwriting.cpp")
g++ -std=c++17 -O2 -I"$top/physics" "${sources[@]}" -ldouble-conversion -o "$work/native"
g++ -std=c++17 -O2 -DNUSSELT_PORTABLE_NUMBERS -I"$top/physics" "${sources[@]}" -o "$work/portable"
"$work/native" > "$work/native.txt"
"$work/portable" > "$work/portable.txt"
if ! cmp -s "$work/native.txt" "$work/portable.txt"; then
    diff "$work/native.txt" "$work/portable.txt" | head -n 20
    echo "0 passed, 1 failed: the portable number writing differs"
    exit 1
fi
echo "$(wc -l < "$work/native.txt") lines alike"
