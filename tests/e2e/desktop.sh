#!/usr/bin/env bash
# A window on a desktop with a window manager: it carries Kronvale's icon, can
# be resized and maximised with the picture filling it, and F11 takes it to
# full-screen and back to its size.
. "$(dirname "$0")/lib.sh"
start_xvfb
start_window_manager

# The icon as window managers read it: 48 by 48, then opaque ARGB pixels.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
icon=$(convert "$source_dir/platform/icons/kronvale.png" -depth 8 rgb:- | od -An -tu1 -v |
    awk 'BEGIN { printf "48 48" } { for (i = 1; i <= NF; i++) { c[n++ % 3] = $i; if (n % 3 == 0) printf " %.0f", 4278190080 + c[0] * 65536 + c[1] * 256 + c[2] } }')

# fills WHAT [X Y WIDTH HEIGHT]: the picture fills the window at its size now
# (or that rectangle), centred on it, to its corners.
fills() {
    local what=$1 w h x y
    wait_more_frames 3
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    [ $# -lt 5 ] || { x=$2 y=$3 w=$4 h=$5; }
    measure "$x" "$y" "$w" "$h"
    screenshot
    if [ "$white" -gt $((pixels * 9 / 10)) ] && [ "$black" = 0 ] &&
        [ "$(pixel "$x" "$y") $(pixel $((x + w - 1)) $((y + h - 1)))" = "255,255,255 255,255,255" ] &&
        awk -v c="$cyanx" -v m=$((x + w / 2)) 'BEGIN { exit !(c > m - 20 && c < m + 20) }'; then
        ok "$what: the picture fills ${w}x$h ($white of $pixels white, none black, the root at $cyanx)"
    else
        fail "$what: the picture fills ${w}x$h: $white of $pixels white, $black black, the root at $cyanx"
    fi
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

wmctrl -i -r "$win" -b add,maximized_vert,maximized_horz
wait_until 10 eval '[ "$(geometry "$win" | cut -dx -f1)" -gt 1000 ]'
read -r w h _ < <(geometry "$win" | tr 'x+' '  ')
if [ "$w" -gt 1000 ] && [ "$h" -gt 600 ]; then ok "it can be maximised (${w}x$h)"; else fail "it can be maximised: ${w}x$h"; fi
fills "maximised"
wmctrl -i -r "$win" -b remove,maximized_vert,maximized_horz
wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 900x500 ]'

focus "$win"
xdotool key F11
wait_more_frames 10
fills "F11: full-screen, the whole screen" 0 0 1024 768
focus "$win"
xdotool key F11
wait_until 10 eval '[ "$(geometry "$win" | cut -d+ -f1)" = 900x500 ]'
expect_eq "F11 again: back to the window at its size" 900x500 "$(geometry "$win" | cut -d+ -f1)"
fills "the window again"
expect_eq "still captioned" '"Kronvale"' "$(window_name "$win")"

quits_on_escape "the window" "$win"
finish
