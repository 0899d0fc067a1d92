#!/usr/bin/env bash
# End to end: the real calculator shows a window titled "Nusselt # Calculator", is closed as a
# user closes it (focus, Escape), exits 0 and prints nothing at all on stdout or stderr. Run
# twice: bare, and with arguments that the program ignores (it takes no options). The driver
# starts the display server: scripts/xvfb-window (X11) or scripts/weston-window (Wayland);
# DRIVER_OPTIONS go to it before the program, e.g. further windows to open and close.
#   tests/e2e_window.sh PATH/TO/nusselt-calculator PATH/TO/DRIVER [DRIVER_OPTIONS...]
set -u
app=$1
driver=$2
shift 2
driver_options=("$@")
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

status=0
run() {
    local what=$1
    shift
    "$driver" --title "Nusselt # Calculator" "${driver_options[@]}" -- "$app" "$@" >"$out" 2>"$err"
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
