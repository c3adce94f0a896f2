#!/usr/bin/env bash
# The whole picture with real input: the fly-in, the cursor dot, zooming in
# Orbit mode, and Fly mode turning the view until Orbit takes it back.
. "$(dirname "$0")/lib.sh"
start_xvfb

# above A B: whether the number A is larger than B.
above() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'
}

# moved X1 Y1 X2 Y2 LIMIT: whether the point moved by more than LIMIT pixels.
moved() {
    awk -v a="$1" -v b="$2" -v c="$3" -v d="$4" -v l="$5" \
        'BEGIN { exit !(sqrt((a - c) ^ 2 + (b - d) ^ 2) > l) }'
}

launch window 800 600
if ! win=$(find_window); then
    fail "window 800 600 opens a display ($(stderr_text))"
    finish
fi
read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
cx=$((x + w / 2))
cy=$((y + h / 2))
xdotool mousemove "$cx" "$cy"
# The eye has flown in (within a unit of z = 50 after 92 frames) and the
# chains have started to bend (each value moves from 161 to 320 frames on),
# so that the zoom below is not mistaken for the bundle opening up.
wait_frames 330

mostly_white "the frame is mostly white" "$x" "$y" "$w" "$h"
if above "$cyan" 20 && above "$tip" 5; then
    ok "cyan floor and dark red tips show ($cyan cyan, $tip dark red)"
else
    fail "cyan floor and dark red tips show: $cyan cyan, $tip dark red"
fi
expect_eq "the bundle stands in the middle" yes \
    "$(above "$cyanx" $((x + w / 2 - 40)) && above $((x + w / 2 + 40)) "$cyanx" && echo yes)"

# The dot follows the pointer within a few frames, and fades while it rests.
xdotool mousemove $((x + 120)) $((y + 480))
wait_more_frames 4
measure $((x + 117)) $((y + 477)) 7 7
if above "$grey" 8; then
    ok "the dot is at the pointer ($grey grey pixels)"
else
    fail "the dot is at the pointer: $grey grey pixels around it"
fi
# Gone from the hundred and tenth frame of rest.
wait_more_frames 110
measure $((x + 117)) $((y + 477)) 7 7
expect_eq "the dot is gone after a hundred and ten frames of rest" 0 "$grey"

# Orbit: button 1 zooms in, button 3 back out. Each frame zooms a little:
# hold until it shows.
xdotool mousemove "$cx" "$cy"
wait_more_frames 60
measure "$x" "$y" "$w" "$h"
base=$nonwhite
near=$base
far=$base
xdotool mousedown 1
wait_until 60 eval 'measure "$x" "$y" "$w" "$h"; near=$nonwhite; above "$near" $((base * 2))'
xdotool mouseup 1
xdotool mousedown 3
wait_until 60 eval 'measure "$x" "$y" "$w" "$h"; far=$nonwhite; above $((near / 2)) "$far"'
xdotool mouseup 3
if above "$near" $((base * 2)) && above $((near / 2)) "$far"; then
    ok "button 1 makes the bundle larger, button 3 smaller ($base, $near, $far pixels)"
else
    fail "button 1 makes the bundle larger, button 3 smaller: $base, then $near, then $far pixels"
fi

# Settled in Orbit with the pointer still, the root and floor stay put.
xdotool mousemove $((cx + 30)) $((cy + 12))
wait_more_frames 150
measure "$x" "$y" "$w" "$h"
ox1=$cyanx oy1=$cyany
wait_more_frames 30
measure "$x" "$y" "$w" "$h"
ox2=$cyanx oy2=$cyany
if ! moved "$ox1" "$oy1" "$ox2" "$oy2" 2; then
    ok "the Orbit view holds still ($ox1,$oy1 then $ox2,$oy2)"
else
    fail "the Orbit view holds still: $ox1,$oy1 then $ox2,$oy2"
fi

# Fly: the pointer right of and below the centre keeps turning the view.
xdotool key space
last_x=$ox2 last_y=$oy2
for n in 1 2 3; do
    wait_more_frames 30
    measure "$x" "$y" "$w" "$h"
    if [ "$cyan" -gt 0 ] && moved "$last_x" "$last_y" "$cyanx" "$cyany" 4; then
        ok "Fly keeps turning the view ($n: $last_x,$last_y to $cyanx,$cyany)"
    else
        fail "Fly keeps turning the view ($n: $last_x,$last_y to $cyanx,$cyany, $cyan cyan)"
    fi
    last_x=$cyanx last_y=$cyany
done
if above "$cyanx" "$ox2"; then
    fail "the view turns right, the scene moving left: from $ox2 to $cyanx"
else
    ok "the view turns right, the scene moving left"
fi

# Orbit again: the view returns to where Orbit had it.
xdotool key space
wait_more_frames 150
measure "$x" "$y" "$w" "$h"
if ! moved "$ox2" "$oy2" "$cyanx" "$cyany" 8; then
    ok "Orbit takes the view back ($ox2,$oy2 and $cyanx,$cyany)"
else
    fail "Orbit takes the view back: $ox2,$oy2 before Fly, $cyanx,$cyany after"
fi

quits_on_escape "after all that" "$win"
finish
