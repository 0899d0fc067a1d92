#!/usr/bin/env bash
# End to end: the real calculator on a virtual X server shows a window titled
# "Nusselt # Calculator", is closed as a user closes it (focus, Escape), exits 0 and prints
# nothing at all on stdout or stderr.
#   tests/e2e_window.sh PATH/TO/nusselt-calculator PATH/TO/scripts/xvfb-window
set -u
app=$1
driver=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

"$driver" --title "Nusselt # Calculator" -- "$app" >"$out" 2>"$err"
code=$?

status=0
if [ "$code" -ne 0 ]; then
    echo "FAIL: exit code $code, expected 0"
    status=1
fi
if [ -s "$out" ]; then
    echo "FAIL: the program printed on stdout:"
    cat "$out"
    status=1
fi
if [ -s "$err" ]; then
    echo "FAIL: the program printed on stderr:"
    cat "$err"
    status=1
fi
[ "$status" -eq 0 ] && echo "PASS: window shown, closed with Escape, exit code 0, no output"
exit "$status"
