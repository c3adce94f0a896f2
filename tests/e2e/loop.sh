#!/usr/bin/env bash
# The main loop as the running program shows it: a 5 ms pause after every
# frame; the labels following the local clock; and while the window is
# minimised no frames and next to no CPU, drawing again once it is restored,
# though a window that is only covered keeps drawing.
. "$(dirname "$0")/lib.sh"
start_xvfb

# The clock runs on from a set time; the frames tell how far the program got.
# The first frames show that time, or a second or two later where starting
# took that long.
use_faketime "@2026-12-07 14:05:03"
started=$SECONDS
launch window 320 240
if find_window > /dev/null; then
    first=$(probe_label 9)
    seconds=-1
    case $first in "|14:05:"[0-5][0-9]) seconds=$((10#${first##*:} - 3)) ;; esac
    if [ "$seconds" -ge 0 ] && [ "$seconds" -le $((SECONDS - started + 1)) ]; then
        ok "the first frames show the start time ($first, $((SECONDS - started)) s after the start)"
    else
        fail "the first frames show the start time: $first, $((SECONDS - started)) s after the start"
    fi
    # However fast the frames come, a second later the labels must have moved on.
    if wait_until 10 eval '[ "$(probe_label 9)" != "$first" ]'; then
        ok "the labels follow the clock ($first, then $(probe_label 9))"
    else
        fail "the labels follow the clock: still $first after $(frames) frames"
    fi
    wait_frames 30
else
    fail "a window opens ($(stderr_text))"
fi
stop_program
# The pass in hand when the signal came is finished first, pause and all.
expect_eq "a 5 ms pause after every frame, no other pause" "$(frames) 0" \
    "$(probe_value pauses) $(probe_value delays)"
launch_env=()
launch_preload=

# Minimising takes a window manager.
start_window_manager

launch window 320 240
start_yardstick window 200 200
if win=$(find_window) && wait_until 30 eval '[ "$(yardstick_frames)" -ge 2 ]'; then
    # Covered by another window, it goes on drawing.
    yardstick=$(xdotool search --onlyvisible --pid "$yardstick_pid" | head -n 1)
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    xdotool windowsize "$yardstick" $((w + 40)) $((h + 40)) windowmove "$yardstick" $((x - 20)) $((y - 20)) \
        windowraise "$yardstick"
    if wait_more_frames 30; then
        ok "covered by another window, it keeps drawing"
    else
        fail "covered by another window, it keeps drawing"
    fi

    xdotool windowminimize --sync "$win"
    # It finishes the pass in hand and the one that hears of it; once it has
    # drawn nothing while the other program drew ten, it sleeps. From then on,
    # no frame while the other draws sixty.
    settled() {
        local mine=$(frames) theirs=$(yardstick_frames)
        wait_until 10 eval '[ "$(yardstick_frames)" -ge $((theirs + 10)) ]' && [ "$(frames)" -eq "$mine" ]
    }
    wait_until 30 settled || fail "minimised, it stops drawing"
    frames_before=$(frames)
    ticks_before=$(cpu_ticks)
    yardstick_before=$(yardstick_frames)
    yardstick_ticks_before=$(cpu_ticks "$yardstick_pid")
    wait_until 60 eval '[ "$(yardstick_frames)" -ge $((yardstick_before + 60)) ]'
    drawn=$(($(frames) - frames_before))
    used=$(($(cpu_ticks) - ticks_before))
    yardstick_used=$(($(cpu_ticks "$yardstick_pid") - yardstick_ticks_before))
    expect_eq "minimised, no frames while another program draws sixty" 0 "$drawn"
    if [ "$used" -le $((yardstick_used / 10 + 2)) ]; then
        ok "minimised, next to no CPU ($used ticks, the visible program $yardstick_used)"
    else
        fail "minimised, next to no CPU: $used ticks, the visible program $yardstick_used"
    fi

    xdotool windowactivate --sync "$win" 2> /dev/null || xdotool windowmap --sync "$win"
    if wait_more_frames 10; then
        ok "restored, it draws again"
    else
        fail "restored, it draws again"
    fi
    stop_program
    expect_eq "it still quits with status 0" 0 "$exit_status"
else
    fail "the windows open under a window manager ($(stderr_text))"
fi

finish
