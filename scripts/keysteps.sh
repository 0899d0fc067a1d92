# Sourced by the end-to-end drivers (scripts/xvfb-window, scripts/weston-window): a private
# session bus with the accessibility bus on it, and key presses that each wait for the state they
# need first, so that no key goes to the wrong widget however slowly a loaded machine delivers
# the ones before it.
#
# STEPS are separated by commas; each is a key in xdotool's syntax (Tab, ctrl+shift+f, Return)
# or a state to wait for before the next key, as scripts/a11y-wait reads it:
#     active=TITLE   the window titled TITLE is the active one (where shortcuts work)
#     focus=NAME     the widget with the keyboard focus has the accessible name NAME
#     enabled=NAME   the widget named NAME is enabled
# e.g. "focus=Reynolds number,Tab,focus=Prandtl number,Tab,focus=Geometry,Down,
#       enabled=Calculate Nusselt number,Return".
#
# The caller defines fail MESSAGE and press KEY, and has $work (a private temporary folder).

keysteps_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bus_pid=

# Starts a session bus of this run alone (its own messages go to $work/bus.log, never to the
# program's stderr) and asks it for the accessibility bus, which it then starts on demand.
# Exports what the program needs to show its widgets there.
start_accessibility_bus() {
    command -v dbus-daemon >/dev/null || fail "dbus-daemon not found (apt-get install dbus)"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" \
        </dev/null >"$work/bus.log" 2>&1 &
    bus_pid=$!
    local address=
    for _ in $(seq 1 100); do
        address=$(head -n1 "$work/bus" 2>/dev/null)
        [ -n "$address" ] && break
        kill -0 "$bus_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$address" ] || { cat "$work/bus.log" >&2; fail "the session bus did not start"; }
    export DBUS_SESSION_BUS_ADDRESS=$address
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>>"$work/bus.log" || { cat "$work/bus.log" >&2; fail "no accessibility bus (apt-get install at-spi2-core)"; }
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

stop_accessibility_bus() {
    if [ -n "$bus_pid" ]; then
        kill "$bus_pid" 2>/dev/null
        wait "$bus_pid" 2>/dev/null
        bus_pid=
    fi
}

# run_steps STEPS PID: presses the keys of STEPS, waiting for each state it names.
run_steps() {
    local steps=$1 pid=$2 step
    local IFS=,
    for step in $steps; do
        case "$step" in
            active=*|focus=*|enabled=*)
                "$keysteps_dir/a11y-wait" --pid "$pid" --timeout "$wait_seconds" "$step" 2>"$work/a11y.log" ||
                    { cat "$work/a11y.log" >&2; fail "waiting for $step"; } ;;
            *) press "$step" ;;
        esac
    done
}
