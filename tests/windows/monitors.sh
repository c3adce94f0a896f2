#!/usr/bin/env bash
# kronvale.scr /s under Wine on two 1280 by 1024 monitors side by side: a
# Kronvale of its own on each, up for as long as nobody touches anything
# (the pointer left on the second monitor); a key ends them all.
. "$(dirname "$0")/lib.sh"
start_monitors

# Wine takes in a new server's monitors as its first program starts there.
wait_until 60 eval '[ "$("$wine_run" "$windows_helper" monitors 2> /dev/null | tr -d "\r")" = 2 ]' ||
    fail "Wine sees two monitors"

xdotool mousemove 1900 500
launch_windows kronvale.scr /s
if screen=$(find_window_at 1280x1024+0+0) && other=$(find_window_at 1280x1024+1280+0); then
    ok "/s covers both monitors"
    shows_scene "the scene on the primary one" 0 0 1280 1024
    shows_scene "and on the other, a Kronvale of its own" 1280 0 1280 1024
    # Moving the pointer itself would end it: a screensaver left alone stays.
    if wait_more_frames 300 && running; then
        ok "left alone for three hundred frames, it stays up"
    else
        fail "left alone, it stays up (${exit_status:-running})"
    fi
    expect_eq "the pointer stays where it was" 1900,500 "$(pointer_position)"
    # Wherever Windows sends it: to the window in front.
    again_until ended xdotool key a
    wait_exit
    expect_eq "a key ends them all with status 0" 0 "$exit_status"
    # None of this prefix's, as other tests run theirs beside.
    left=$(for process in /proc/[0-9]*; do
        grep -qs 'kronvale\.scr' "$process/cmdline" &&
            grep -qsz "^WINEPREFIX=$WINEPREFIX\$" "$process/environ" && echo "$process"
    done)
    expect_eq "and none is left running" "" "$left"
else
    fail "/s covers both monitors: $(xwininfo -root -tree | grep -c 1280x1024) windows of a monitor's size"
fi

finish
