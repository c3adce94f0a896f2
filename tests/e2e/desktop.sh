#!/usr/bin/env bash
# A window on a desktop with a window manager: it carries Kronvale's icon, can
# be resized with the picture filling it (maximising is a resize too), and F11
# takes it to full-screen and back to its size, resizable still; started
# full-screen, F11 makes a captioned window of it.
. "$(dirname "$0")/lib.sh"
start_xvfb
start_window_manager

# The icon as window managers read it: 48 by 48, then opaque ARGB pixels.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
icon=$(convert "$source_dir/platform/icons/kronvale.png" -depth 8 rgb:- | od -An -tu1 -v |
    awk 'BEGIN { printf "48 48" } { for (i = 1; i <= NF; i++) { c[n++ % 3] = $i; if (n % 3 == 0) printf " %.0f", 4278190080 + c[0] * 65536 + c[1] * 256 + c[2] } }')

# fills WHAT [X Y WIDTH HEIGHT]: the picture fills the window at its size now
# (or that rectangle), centred on it.
fills() {
    local w h x y
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    [ $# -lt 5 ] || { x=$2 y=$3 w=$4 h=$5; }
    shows_scene "$1: the picture fills ${w}x$h" "$x" "$y" "$w" "$h"
}

launch window 640 480
if ! win=$(find_window); then
    fail "a window opens ($(stderr_text))"
    finish
fi
expect_eq "the window carries Kronvale's icon" "$icon" \
    "$(xprop -id "$win" -notype 32c _NET_WM_ICON | sed 's/^_NET_WM_ICON = //; s/,//g')"

xdotool windowsize "$win" 900 500
wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 900x500 ]'
expect_eq "it can be resized" 900x500 "$(geometry "$win" | cut -d+ -f1)"
fills "resized"

focus "$win"
xdotool key F11
# Classic SDL shows full-screen in a window of its own.
wait_until 10 eval '[ -n "$(covering 1024x768+0+0)" ]'
expect_eq "F11: a display covers the whole screen" 1024x768+0+0 "$(covering 1024x768+0+0)"
fills "F11: full-screen" 0 0 1024 768
focus "$win"
xdotool key F11
wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 900x500 ]'
expect_eq "F11 again: back to the window at its size" 900x500 "$(geometry "$win" | cut -d+ -f1)"
fills "the window again"
expect_eq "still captioned" '"Kronvale"' "$(window_name "$win")"
xdotool windowsize "$win" 700 400
wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 700x400 ]'
expect_eq "and it can still be resized" 700x400 "$(geometry "$win" | cut -d+ -f1)"
fills "resized again"

quits_on_escape "the window" "$win"

# Started full-screen, F11 makes a captioned window of the size asked for.
launch fullscreen 640 480
win=$(find_window) && focus "$win" && xdotool key F11 &&
    wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 640x480 ]'
expect_eq "started full-screen, F11: a window of the size asked for, captioned" \
    '640x480 "Kronvale"' "$(geometry "$win" | cut -d+ -f1) $(window_name "$win")"
stop_program
finish
