#!/usr/bin/env bash
# End to end: the real calculator on a virtual X server. Ctrl+Shift+F in the calculator opens a
# window titled "Flow Conditions" (and nothing of that name is shown before); the user closes it
# (focus, Escape), then the calculator likewise; the program exits 0 and prints nothing at all.
#   tests/e2e_flowwindow.sh PATH/TO/nusselt-calculator PATH/TO/scripts/xvfb-window
#
# scripts/xvfb-window waits for the "Flow Conditions" window and closes it; this script, started
# by it in place of the program (--as-user), runs the calculator and plays the user's other keys.
set -u

calculator_title='^Nusselt # Calculator$'
window_title='^Flow Conditions$'

if [ "${1:-}" = --as-user ]; then
    app=$2
    "$app" &
    app_pid=$!
    quit() { echo "e2e_flowwindow: $*" >&2; kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; exit 125; }
    calc=$(timeout 30 xdotool search --sync --onlyvisible --name "$calculator_title" 2>/dev/null | head -n1)
    [ -n "$calc" ] || quit "the calculator's window did not appear"
    if xdotool search --onlyvisible --name "$window_title" >/dev/null 2>&1; then
        quit "a Flow Conditions window is shown before it was asked for"
    fi
    # Each key once the calculator is the program's active window: its shortcut works only then.
    active() {
        "$(dirname "$0")/../scripts/a11y-wait" --pid "$app_pid" "active=Nusselt # Calculator" ||
            quit "the calculator did not become the active window"
    }
    xdotool windowfocus --sync "$calc" >/dev/null 2>&1 || quit "could not focus the calculator"
    active
    xdotool key ctrl+shift+f >/dev/null 2>&1 || quit "could not press Ctrl+Shift+F"
    # The driver finds the new window and closes it; then the calculator is closed as well.
    timeout 30 xdotool search --sync --onlyvisible --name "$window_title" >/dev/null 2>&1 ||
        quit "Ctrl+Shift+F opened no Flow Conditions window"
    for _ in $(seq 1 300); do
        xdotool search --onlyvisible --name "$window_title" >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool windowfocus --sync "$calc" >/dev/null 2>&1 || quit "could not focus the calculator again"
    active
    xdotool key Escape >/dev/null 2>&1 || quit "could not close the calculator"
    wait "$app_pid"
    exit $?
fi

app=$1
driver=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

"$driver" --title "Flow Conditions" -- "$0" --as-user "$app" >"$out" 2>"$err"
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
[ "$status" -eq 0 ] && echo "PASS: Ctrl+Shift+F opened Flow Conditions; both windows closed with Escape, exit code 0, no output"
exit "$status"
