#!/usr/bin/env bash
# Every way out ends the program with status 0 within a second.
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
    xdotool windowfocus "$win"
    sleep 0.2
}

if start_display; then
    xdotool key Escape
    wait_exit 1
    expect_eq "Escape: status 0 within a second" 0 "$exit_status"
fi

if start_display; then
    xdotool mousedown 1
    sleep 0.1
    xdotool key Escape
    wait_exit 1
    xdotool mouseup 1
    expect_eq "Escape with button 1 held: status 0 within a second" 0 "$exit_status"
fi

if start_display; then
    if [ -x "$SEND_CLOSE" ] && "$SEND_CLOSE" "$win"; then
        wait_exit 1
        expect_eq "a window-close request: status 0 within a second" 0 "$exit_status"
    else
        fail "the close request could be sent"
    fi
fi

for signal in TERM INT; do
    if start_display; then
        kill -s "$signal" "$kronvale_pid"
        wait_exit 1
        expect_eq "SIG$signal: status 0 within a second" 0 "$exit_status"
    fi
done

if start_display; then
    xdotool key space a Return
    sleep 0.3
    if running; then ok "other keys do not end it"; else fail "other keys do not end it"; fi
    kill -TERM "$kronvale_pid"
    wait_exit 1
fi

expect_eq "nothing was written to standard error" "" "$(stderr_text)"
finish
