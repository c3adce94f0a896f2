#!/usr/bin/env bash
# Every way out ends the program with status 0 at once, shutting SDL
# down on the way; other keys do not end it.
. "$(dirname "$0")/lib.sh"
start_xvfb

# start_display: a window to quit, with the pointer over it and the focus in it.
start_display() {
    launch window 640 480
    if ! win=$(find_window); then
        fail "a display opens ($(stderr_text))"
        return 1
    fi
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    xdotool mousemove $((x + w / 2)) $((y + h / 2))
    focus "$win"
}

# ends_cleanly WHAT: the program ended with status 0 in time, SDL shut down once.
ends_cleanly() {
    wait_exit
    expect_eq "$1: status 0, SDL shut down" "0 1" "$exit_status $(probe_value quits)"
}

if start_display; then
    xdotool key space a Return
    # Each pass drains every pending event before it draws: two frames later
    # the keys have been handled.
    wait_more_frames 2
    check "other keys do not end it" running
    xdotool mousedown 1
    # The press has reached the program once it has drawn a frame since.
    wait_more_frames 2
    xdotool key Escape
    ends_cleanly "Escape, with button 1 held"
    xdotool mouseup 1
fi

if start_display; then
    if "$HELPERS/kronvale_send_close" "$win"; then
        ends_cleanly "a window-close request"
    else
        fail "the close request could be sent"
    fi
fi

for signal in TERM INT; do
    if start_display; then
        kill -s "$signal" "$kronvale_pid"
        ends_cleanly "SIG$signal"
    fi
done

expect_eq "nothing was written to standard error" "" "$(stderr_text)"
finish
