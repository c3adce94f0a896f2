#!/usr/bin/env bash
# Windowed displays: size, caption, the scene on white, and Escape.
. "$(dirname "$0")/lib.sh"
start_xvfb

launch window 800 600
if win=$(find_window); then
    ok "window 800 600 opens a display"
    expect_eq "window 800 600 is 800 by 600" 800x600 "$(geometry "$win" | cut -d+ -f1)"
    expect_eq "its caption" '"Kronvale"' "$(window_name "$win")"
    expect_eq "the window found by its caption is the display" "$win" \
        "$(xdotool search --name '^Kronvale$' | head -n 1)"
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    mostly_white "it shows the scene on white" "$x" "$y" "$w" "$h"
    screenshot
    expect_eq "the corners are white" 255,255,255,255,255,255 \
        "$(pixel "$x" "$y"),$(pixel $((x + w - 1)) $((y + h - 1)))"
    # A windowed display does not hold the pointer: once the program has seen
    # the motion (two frames later), it is still where it was put.
    xdotool mousemove 2 2
    wait_more_frames 2
    expect_eq "the pointer may leave the window" 2,2 "$(pointer_position)"
    xdotool mousemove $((x + 10)) $((y + 10))
    quits_on_escape "window 800 600" "$win"
else
    fail "window 800 600 opens a display ($(stderr_text))"
fi

# check_window ARGS EXPECTED-SIZE: a window of that size captioned Kronvale.
check_window() {
    local args=$1 size=$2 win
    # shellcheck disable=SC2086
    launch $args
    if win=$(find_window); then
        expect_eq "'$args' opens $size" "$size" "$(geometry "$win" | cut -d+ -f1)"
        expect_eq "'$args' is captioned" '"Kronvale"' "$(window_name "$win")"
    else
        fail "'$args' opens a display ($(stderr_text))"
    fi
    stop_program
    expect_eq "'$args' ends with status 0 on SIGTERM" 0 "$exit_status"
}

check_window "window" 1024x768
check_window "window 800" 1024x768
check_window "window 801 601" 801x601
check_window "window 0 0" 1024x768
check_window "window wide 600" 1024x600

finish
