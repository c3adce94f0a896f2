#!/usr/bin/env bash
# Two 1280 by 1024 monitors side by side: full-screen covers the primary one,
# at its size, and leaves the other as it was; SDL_VIDEO_FULLSCREEN_DISPLAY=1
# puts it on the other instead. The screensaver for an idle daemon covers
# both.
. "$(dirname "$0")/lib.sh"
start_monitors

# covers WHAT BAR ARGS...: full-screen on the monitor at x = $on, the
# picture between black bars of BAR rows, the other monitor untouched.
covers() {
    local what=$1 bar=$2 win other
    shift 2
    launch "$@"
    if win=$(find_window); then
        expect_eq "$what: the display covers that monitor" "1280x1024+$on+0" "$(geometry "$win")"
        shows_scene "$what: showing the scene" "$on" "$bar" 1280 $((1024 - 2 * bar))
        other=$((1280 - on))
        expect_eq "$what: the other monitor is left as it was" "$untouched" \
            "$(colours "$other" 0 1280 1024)"
    else
        fail "$what: a display opens ($(stderr_text))"
    fi
    stop_program
    expect_eq "$what: ends with status 0" 0 "$exit_status"
}

on=0
covers "full-screen" 0 fullscreen 0 0
covers "full-screen at the default size, letterboxed" 32 fullscreen
launch_env=(SDL_VIDEO_FULLSCREEN_DISPLAY=1)
on=1280
covers "SDL_VIDEO_FULLSCREEN_DISPLAY=1" 0 fullscreen 0 0
launch_env=()

# The screensaver for an idle daemon: a Kronvale of its own on each monitor,
# at its size, their tours apart; the pointer moving ends them all with
# status 0, and leaves none running.
KRONVALE=$(dirname "$KRONVALE")/kronvale-screensaver
xdotool mousemove 1900 500
launch --fullscreen
if wait_until 30 eval '[ -n "$(covering 1280x1024+0+0)" ] && [ -n "$(covering 1280x1024+1280+0)" ] || ended' &&
    running; then
    ok "kronvale-screensaver --fullscreen covers both monitors"
    # Once both eyes have flown in, some hundred frames each.
    wait_frames 200
    # Their eyes stand apart: the floor square, seen from elsewhere, lies
    # on other columns of each.
    shows_scene "the scene on the first" 0 0 1280 1024
    first="$cyanleft $cyanright"
    shows_scene "and on the second" 1280 0 1280 1024
    second="$((cyanleft - 1280)) $((cyanright - 1280))"
    apart=$(awk -v a="$first" -v b="$second" 'BEGIN { split(a, p); split(b, q)
        print (p[1] > q[1] ? p[1] - q[1] : q[1] - p[1]) + (p[2] > q[2] ? p[2] - q[2] : q[2] - p[2]) }')
    if [ "$apart" -gt 4 ]; then
        ok "the two tours stand apart (the floor from $first and from $second)"
    else
        fail "the two tours stand apart: the floor from $first and from $second"
    fi
    xdotool mousemove 1700 300
    wait_exit
    expect_eq "the pointer moving ends them all with status 0" "0 " "$exit_status $(stderr_text)"
    check "and none is left running" nothing_left
else
    fail "kronvale-screensaver --fullscreen covers both monitors ($(stderr_text))"
    xwininfo -root -tree | grep -E "1280x1024|Kronvale"
fi
# One Kronvale gone (its monitor with it) ends nothing else; SIGTERM to the
# process the idle daemon started ends the rest with status 0.
launch --fullscreen
wait_until 30 eval '[ "$(pgrep -c -P "$kronvale_pid")" = 2 ]' && wait_frames 10
kill -KILL "$(pgrep -P "$kronvale_pid" | head -n 1)"
# Counted once the launcher has reaped it.
wait_until 10 eval '[ "$(pgrep -c -P "$kronvale_pid")" = 1 ]'
wait_more_frames 10
expect_eq "one Kronvale killed, the other draws on" "running 1" "$(running && echo running) $(pgrep -c -P "$kronvale_pid")"
stop_program
expect_eq "SIGTERM ends the rest with status 0, leaving none" "0 yes" "$exit_status $(nothing_left && echo yes)"
finish
