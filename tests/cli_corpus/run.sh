#!/bin/bash
# The command line's answers, byte for byte: each line of commands.txt is run from this folder and
# what it prints is compared with expected/NNN.out (NNN: the command's number, comments and blank
# lines not counted).
#
#   run.sh NUSSELT_BINARY            compare; a unified diff per mismatch, exit 1 if any
#   run.sh NUSSELT_BINARY --update   write expected/ afresh from this binary
#
# A command line holds the words after `nusselt`, quoted as the shell quotes them. Standard input
# is empty unless the line redirects it (`batch < batch/quoted.csv`). $OUT names an empty
# directory made for the command, for files it writes; each file left there is appended to the
# answer after a line `--- file NAME`, and the directory's path reads "$OUT" wherever it is printed.
#
# An answer is standard output, a line `--- stderr`, standard error, a line `--- exit N`. An output
# that does not end in a line break is followed by a line `\ no line break at the end`.

set -u

usage() {
    echo "usage: $0 NUSSELT_BINARY [--update]" >&2
    exit 2
}

[ $# -ge 1 ] && [ $# -le 2 ] || usage
update=0
if [ $# -eq 2 ]; then
    [ "$2" = --update ] || usage
    update=1
fi
case $1 in
/*) bin=$1 ;;
*) bin=$PWD/$1 ;;
esac
[ -x "$bin" ] || { echo "$0: $1 is not an executable" >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
cd "$here" || exit 2
export LC_ALL=C TZ=UTC
# Kept fluids (--fluid NAME) come from the corpus's own data folder, never the user's.
export XDG_DATA_HOME="$here/kept"
unset NUSSELT_DEBUG

work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

# Appends file $1 to the answer $2, marking a missing final line break.
append() {
    cat "$1" >>"$2"
    if [ -s "$1" ] && [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" != '\n' ]; then
        printf '\n\\ no line break at the end\n' >>"$2"
    fi
}

# Runs command line $1 and writes its answer to $2.
answer() {
    local line=$1 result=$2
    local OUT
    OUT=$(mktemp -d "$work/out.XXXXXX") || return 1
    export OUT
    eval "timeout 120 \"\$bin\" $line" </dev/null >"$work/stdout" 2>"$work/stderr"
    local code=$?
    : >"$result"
    append "$work/stdout" "$result"
    echo '--- stderr' >>"$result"
    append "$work/stderr" "$result"
    echo "--- exit $code" >>"$result"
    local f
    for f in $(cd "$OUT" && find . -type f | LC_ALL=C sort); do
        echo "--- file ${f#./}" >>"$result"
        append "$OUT/$f" "$result"
    done
    sed -i "s|$OUT|\$OUT|g" "$result"
    rm -rf "$OUT"
}

mkdir -p expected
n=0
passed=0
failed=0
while IFS= read -r line || [ -n "$line" ]; do
    case $line in
    '' | '#'*) continue ;;
    esac
    n=$((n + 1))
    id=$(printf '%03d' "$n")
    answer "$line" "$work/$id.out" || exit 2
    if [ $update -eq 1 ]; then
        cp "$work/$id.out" "expected/$id.out"
    elif ! cmp -s "$work/$id.out" "expected/$id.out"; then
        failed=$((failed + 1))
        echo "=== $id: nusselt $line"
        diff -u --text --label "expected/$id.out" --label "actual/$id.out" \
            "expected/$id.out" "$work/$id.out"
    else
        passed=$((passed + 1))
    fi
    rm -f "$work/$id.out"
done <commands.txt

if [ $update -eq 1 ]; then
    # Answers of commands no longer listed.
    for f in expected/*.out; do
        [ -e "$f" ] || continue
        k=$(basename "$f" .out)
        [ $((10#$k)) -le $n ] || rm -f "$f"
    done
    echo "$n answers written to expected/"
    exit 0
fi
for f in expected/*.out; do
    [ -e "$f" ] || continue
    k=$(basename "$f" .out)
    if [ $((10#$k)) -gt $n ]; then
        failed=$((failed + 1))
        echo "=== $k: expected/$k.out has no command in commands.txt"
    fi
done
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
