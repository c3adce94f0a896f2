#!/usr/bin/env bash
# The picture with real input: the cursor dot at the pointer and fading at
# rest while the eye flies in, buttons 1 and 3 zooming in Orbit mode, and
# space switching to Fly mode, where the pointer keeps turning the view; and
# --drift moving the floor where nothing else does. The steps' arithmetic is
# the logic tests'; this is what a user sees of it.
. "$(dirname "$0")/lib.sh"
start_xvfb

# above A B: whether the number A is larger than B.
above() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'
}

# floor_width: how wide the floor square stands on screen now; the labels
# swaying over it never widen its cyan.
floor_width() {
    measure "$x" "$y" "$w" "$h"
    echo $((cyanright - cyanleft))
}

launch window 640 480
if ! win=$(find_window); then
    fail "window 640 480 opens a display ($(stderr_text))"
    finish
fi
read -r w h x y < <(geometry "$win" | tr 'x+' '  ')

# The dot follows the pointer within a few frames, and is gone from the
# hundred and tenth frame of rest, by when the eye has flown in (within a
# unit of z = 50 after 92 frames).
xdotool mousemove $((x + 60)) $((y + 420))
wait_more_frames 4
measure $((x + 57)) $((y + 417)) 7 7
if above "$grey" 8; then
    ok "the dot is at the pointer ($grey grey pixels)"
else
    fail "the dot is at the pointer: $grey grey pixels around it"
fi
wait_more_frames 110
measure $((x + 57)) $((y + 417)) 7 7
expect_eq "the dot is gone after a hundred and ten frames of rest" 0 "$grey"
shows_scene "the scene on white, cyan floor and dark red tips" "$x" "$y" "$w" "$h"

# Orbit: held for ninety frames, button 1 brings the eye in to about half
# its distance, then button 3 takes it back out.
xdotool mousemove $((x + w / 2)) $((y + h / 2))
far=$(floor_width)
xdotool mousedown 1
wait_more_frames 90
xdotool mouseup 1
near=$(floor_width)
xdotool mousedown 3
wait_more_frames 90
xdotool mouseup 3
back=$(floor_width)
if above "$near" $((far * 3 / 2)) && above $((near * 2 / 3)) "$back"; then
    ok "button 1 makes the floor wider, button 3 narrower ($far, $near, $back pixels)"
else
    fail "button 1 makes the floor wider, button 3 narrower: $far, then $near, then $back pixels"
fi

# Fly: with the pointer right of and below the centre, the view keeps
# turning right, so the floor moves left on the screen; Orbit, easing the eye
# toward that pointer, would move it right.
xdotool mousemove $((x + w / 2 + 60)) $((y + h / 2 + 40))
wait_more_frames 2
measure "$x" "$y" "$w" "$h"
before=$cyanx
xdotool key space
wait_more_frames 30
measure "$x" "$y" "$w" "$h"
if above "$before" "$(awk -v c="$cyanx" 'BEGIN { print c + 20 }')"; then
    ok "space: Fly turns the view right ($before to $cyanx)"
else
    fail "space: Fly turns the view right: the floor from $before to $cyanx"
fi

quits_on_escape "after all that" "$win"

# still_floor ARGS...: in Fly mode with the pointer on the centre the view
# holds still, and with the clock standing still so does the label at the
# root; moved tells how much of the floor moved all the same in the next
# three hundred frames.
still_floor() {
    launch window 640 480 "$@"
    win=$(find_window) || { fail "window 640 480 $* opens ($(stderr_text))"; return 1; }
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    xdotool mousemove $((x + w / 2)) $((y + h / 2))
    focus "$win"
    xdotool key space
    wait_more_frames 10
    measure "$x" "$y" "$w" "$h"
    wait_more_frames 300
    moved_since "$x" "$y" "$w" "$h"
    stop_program
}
use_faketime "2026-12-08 14:05:03"
if still_floor; then
    expect_eq "held still, nothing moves the floor" 0 "$moved"
fi
if still_floor --drift; then
    if above "$moved" 0; then
        ok "--drift: held still, the floor drifts ($moved pixels of it moved)"
    else
        fail "--drift: held still, the floor drifts: $moved pixels of it moved"
    fi
fi
finish
