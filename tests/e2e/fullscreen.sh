#!/usr/bin/env bash
# Full-screen displays, and the message for a first word that is neither mode.
. "$(dirname "$0")/lib.sh"
start_xvfb

message="First parameter was not either lowercase 'fullscreen' or 'window' (no quotes), ignored."

# check_fullscreen ARGS: a full-screen 1024 by 768 display without a caption.
check_fullscreen() {
    local win
    # shellcheck disable=SC2086
    launch $1
    if win=$(find_window); then
        expect_eq "'$1' covers the 1024 by 768 screen" 1024x768+0+0 "$(geometry "$win")"
        expect_eq "'$1' sets no caption" "(has no name)" "$(window_name "$win")"
        mostly_white "'$1' shows the scene on white" 0 0 1024 768
    else
        fail "'$1' opens a display ($(stderr_text))"
    fi
    kill -TERM "$kronvale_pid"
    wait_exit 1
    expect_eq "'$1' ends with status 0" 0 "$exit_status"
    expect_eq "'$1' writes nothing to standard error" "" "$(stderr_text)"
}

check_fullscreen ""
check_fullscreen "fullscreen"
check_fullscreen "fullscreen 640 480 x"
check_fullscreen "fullscreen 0 0"

# check_held_display WHAT: the display is 800 by 600, full-screen, so it holds the pointer.
check_held_display() {
    local win
    if win=$(find_window); then
        expect_eq "$1: the display is 800 by 600" 800x600 "$(geometry "$win" | cut -d+ -f1)"
        expect_eq "$1: no caption" "(has no name)" "$(window_name "$win")"
        # Full-screen on the 1024 by 768 screen, the display sits in the middle
        # and holds the pointer inside it.
        xdotool mousemove 0 0
        sleep 0.2
        expect_eq "$1: full-screen, the display holds the pointer" "112,84" "$(pointer_position)"
    else
        fail "$1: a display opens ($(stderr_text))"
    fi
    kill -TERM "$kronvale_pid"
    wait_exit 1
    expect_eq "$1: ends with status 0" 0 "$exit_status"
}

# Without any dialog tool the message goes to standard error only, and start-up goes on.
launch_env=(PATH=/nonexistent)
launch Window 800 600
check_held_display "Window 800 600 without a dialog tool"
expect_eq "the message is one line on standard error" "$message" "$(stderr_text)"
launch_env=()

# With a dialog tool, the message waits for OK before any display opens.
launch Window 800 600
dialog=
for _ in $(seq 200); do
    dialog=$(xdotool search --onlyvisible --name '^Error$' 2> /dev/null | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.05
done
if [ -n "$dialog" ]; then
    ok "a dialog titled Error appears"
    sleep 0.5
    expect_eq "no display opens while the dialog is up" "" \
        "$(xdotool search --onlyvisible --pid "$kronvale_pid" 2> /dev/null)"
    expect_eq "the message is on standard error already" "$message" "$(stderr_text)"
    xdotool windowfocus "$dialog"
    sleep 0.1
    xdotool key Return
    check_held_display "Window 800 600 after OK"
else
    fail "a dialog titled Error appears"
    kill -TERM "$kronvale_pid"
    wait_exit 1
fi

finish
