#!/usr/bin/env bash
# On a desktop's session bus: a window and the screensaver leave the user's
# blanking alone (no Inhibit, no SimulateUserActivity); full-screen, where it
# keeps the screen awake, does so in Kronvale's name with a reason.
. "$(dirname "$0")/lib.sh"
start_xvfb

for tool in dbus-daemon dbus-monitor dbus-send; do
    command -v "$tool" > /dev/null || { echo "FAIL: $tool is missing; run the test command (make test) to install it"; exit 1; }
done

# A private session bus, and a monitor writing down every method call on it.
setpriv --pdeathsig KILL -- dbus-daemon --session --nofork --print-address=3 3> "$work/bus" \
    > /dev/null 2>&1 &
launched+=("$!")
wait_until 10 test -s "$work/bus" || { echo "FAIL: no session bus"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
setpriv --pdeathsig KILL -- dbus-monitor --session "type='method_call'" > "$work/calls" 2>&1 &
launched+=("$!")

# ping WORD: a call of its own, made until the monitor has seen it, and with
# it everything before it.
ping() {
    wait_until 10 eval 'dbus-send --session --print-reply --dest=org.kronvale.Test /org/kronvale \
        "org.kronvale.Test.$1" > /dev/null 2>&1; grep -q "member=$1" "$work/calls"'
}
ping Ping || { echo "FAIL: the bus monitor does not listen"; exit 1; }

# calls_of ARGS...: the program's calls about the screen's blanking while it
# starts and draws twenty frames, as "member: arguments" lines.
calls_of() {
    local from
    from=$(wc -c < "$work/calls")
    launch "$@"
    wait_frames 20 > /dev/null
    stop_program
    ping GetMachineId
    tail -c +"$((from + 1))" "$work/calls" | awk '
        /^method call/ { if (call) print call; call = "" }
        /^method call.*member=(Inhibit|SimulateUserActivity)$/ { sub(/.*member=/, ""); call = $0 ":" }
        /^   string / && call { sub(/^   string /, ""); call = call " " $0 }
        END { if (call) print call }'
}

expect_eq "a window: no Inhibit, no SimulateUserActivity" "" "$(calls_of window 320 240)"
LAUNCHER=$(dirname "$KRONVALE")/kronvale-screensaver
saved=$KRONVALE
KRONVALE=$LAUNCHER
expect_eq "the screensaver: no Inhibit, no SimulateUserActivity" "" "$(calls_of)"
KRONVALE=$saved
calls=$(calls_of fullscreen)
if sdl_is_compat; then
    expect_eq "full-screen keeps the screen awake in Kronvale's name" \
        'Inhibit: "Kronvale" "Showing the clock full-screen"' "$(grep '^Inhibit' <<< "$calls")"
else
    # Classic SDL 1.2 holds off the X server's own blanking instead, in nobody's name.
    expect_eq "full-screen, classic SDL: nothing on the bus" "" "$calls"
fi
# Kronvale lets the screen blank while it asks the library the monitor's
# size, then no longer: a user's own word stands throughout.
launch_env=(SDL_VIDEO_ALLOW_SCREENSAVER=1)
expect_eq "full-screen with the user's SDL_VIDEO_ALLOW_SCREENSAVER=1: nothing" "" \
    "$(calls_of fullscreen)"
launch_env=()
finish
