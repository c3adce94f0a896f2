#!/usr/bin/env bash
# Start-up failures, and the display lost while running: one line on
# standard error and status 1.
. "$(dirname "$0")/lib.sh"
start_xvfb

# check_failure WHAT PREFIX ARGS...: exit status 1 and one line PREFIX plus SDL's own text.
check_failure() {
    local what=$1 prefix=$2 text
    shift 2
    launch "$@"
    wait_exit
    expect_eq "$what: status 1" 1 "$exit_status"
    text=$(stderr_text)
    expect_eq "$what: one line on standard error" 1 "$(printf '%s\n' "$text" | wc -l)"
    case "$text" in
    "$prefix"?*) ok "$what: '$text'" ;;
    *) fail "$what: expected '$prefix' and SDL's text, got '$text'" ;;
    esac
}

launch_env=(SDL_VIDEODRIVER=bogus)
check_failure "unknown video driver" "Video initialization failed: " window 800 600
# Without a display SDL would fall back to drawing where nobody sees it.
launch_env=(DISPLAY= WAYLAND_DISPLAY=)
launch window 800 600
wait_exit
expect_eq "no display at all: status 1" 1 "$exit_status"
# Classic SDL 1.2 has no off-screen driver and fails later, at opening the display.
case "$(grep '^Video' "$work/stderr")" in
"Video initialization failed: No available video device" | "Video mode set failed: "?*)
    ok "no display at all: says so" ;;
*) fail "no display at all: says so, got '$(stderr_text)'" ;;
esac
launch_env=(DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=offscreen)
launch window 320 240
if sdl_is_compat; then
    if wait_frames 10 && running; then
        ok "off-screen drawing when asked for by name"
    else
        fail "off-screen drawing when asked for by name ($(stderr_text))"
    fi
else
    wait_exit
    expect_eq "classic SDL has no off-screen driver: says so, status 1" \
        "1 Video initialization failed: " "$exit_status $(grep -o '^Video initialization failed: ' "$work/stderr")"
fi
kill -TERM "$kronvale_pid" 2> /dev/null
wait_exit
launch_env=()
check_failure "negative size" "Video mode set failed: " window -5 -5
check_failure "negative size full-screen" "Video mode set failed: " fullscreen -5 -5
# Sizes no display can have are refused, or, where the library takes them
# (SDL 2.32 draws up to 16384 pixels a side), drawn; never opened into a crash.
refused_or_drawn() {
    local what=$1
    shift
    launch "$@"
    wait_until 60 eval 'ended || [ "$(frames)" -ge 1 ]'
    if ended; then
        check_failure "$what" "Video mode set failed: " "$@"
        expect_eq "$what: no window is left behind, no frame was drawn" "" \
            "$(xdotool search --name Kronvale 2> /dev/null)$(frames | grep -v '^0$')"
    else
        # A frame that size takes a software renderer seconds on a busy machine.
        kill -TERM "$kronvale_pid"
        wait_exit 60
        expect_eq "$what: drawn as large as the library takes it, SIGTERM ends it with status 0" \
            0 "$exit_status"
    fi
}
refused_or_drawn "the largest size" window 2147483647 2147483647
refused_or_drawn "a width past the 32-bit range" window 99999999999 600
refused_or_drawn "the largest size full-screen" fullscreen 2147483647 600

# The X server goes away under a running program: a failure, said in one
# line, never a hang or a core dump.
launch window 320 240
if find_window > /dev/null; then
    lost_at=$EPOCHREALTIME
    display=$DISPLAY
    stop_private_x
    wait_exit
    took=$(awk -v a="$lost_at" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
    expect_eq "the X server gone: status 1, one line naming it ($took s)" \
        "1 Display lost: the X server $display went away" "$exit_status $(stderr_text)"
else
    fail "a window opens ($(stderr_text))"
fi

finish
