#!/usr/bin/env bash
# End to end: the real calculator on a virtual X server shows a window titled
# "Nusselt # Calculator", is closed as a user closes it (focus, Escape), exits 0 and prints
# nothing at all on stdout or stderr. Run twice: bare, and with arguments that the program
# ignores (it takes no options).
#   tests/e2e_window.sh PATH/TO/nusselt-calculator PATH/TO/scripts/xvfb-window
set -u
app=$1
driver=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

status=0
run() {
    local what=$1
    shift
    "$driver" --title "Nusselt # Calculator" -- "$app" "$@" >"$out" 2>"$err"
    local code=$?
    local ok=1
    if [ "$code" -ne 0 ]; then
        echo "FAIL ($what): exit code $code, expected 0"
        ok=0
    fi
    if [ -s "$out" ]; then
        echo "FAIL ($what): the program printed on stdout:"
        cat "$out"
        ok=0
    fi
    if [ -s "$err" ]; then
        echo "FAIL ($what): the program printed on stderr:"
        cat "$err"
        ok=0
    fi
    if [ "$ok" -eq 1 ]; then
        echo "PASS ($what): window shown, closed with Escape, exit code 0, no output"
    else
        status=1
    fi
}

run "no arguments"
run "ignored arguments" extra-argument --no-such-option
exit "$status"
