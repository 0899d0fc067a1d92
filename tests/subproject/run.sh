#!/usr/bin/env bash
# Configures and builds the parent project in a scratch folder, then runs its program.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source_dir/tests/subproject" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DNUSSELT_SOURCE_DIR="$source_dir" >/dev/null
cmake --build "$work" --target parent_app -- -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$work/parent_app"
