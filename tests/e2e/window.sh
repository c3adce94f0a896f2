#!/usr/bin/env bash
# A windowed display as a user starts one: its size and caption, the scene on
# white and its labels, a pointer free to leave, and Escape. Also make
# check's smoke test.
. "$(dirname "$0")/lib.sh"
start_xvfb

# A clock standing still, so that the labels are known.
use_faketime "2026-12-08 14:05:03"
launch window 800 600
if win=$(find_window); then
    ok "window 800 600 opens a display"
    expect_eq "the labels of the time it is, nine seconds back" "|14:04:54 |14:05:03" \
        "$(probe_label 0) $(probe_label 9)"
    expect_eq "window 800 600 is 800 by 600" 800x600 "$(geometry "$win" | cut -d+ -f1)"
    expect_eq "its caption" '"Kronvale"' "$(window_name "$win")"
    expect_eq "the window found by its caption is the display" "$win" \
        "$(xdotool search --name '^Kronvale$' | head -n 1)"
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    shows_scene "it shows the scene on white" "$x" "$y" "$w" "$h"
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

# A Wayland session whose compositor cannot be reached: back to X11.
launch_env=(WAYLAND_DISPLAY=wayland-none XDG_SESSION_TYPE=wayland)
launch window 320 240
if find_window > /dev/null; then
    ok "with no Wayland compositor to reach, a window on X11"
else
    fail "with no Wayland compositor to reach, a window on X11 ($(stderr_text))"
fi
stop_program
launch_env=()

# A side of 0 is the desktop's.
launch window 0 600
if win=$(find_window); then
    expect_eq "'window 0 600' opens 1024 by 600" 1024x600 "$(geometry "$win" | cut -d+ -f1)"
else
    fail "'window 0 600' opens a display ($(stderr_text))"
fi
stop_program

finish
