#!/usr/bin/env bash
# Start-up as a user meets it: --help, -h and --version answer on standard
# output and open no display; a program started without its standard streams
# still opens its window and quits on SIGTERM; the system pointer is hidden
# over the display; and the labels show the local time, of 12 hours when
# asked, dim in the night's hours; a --night that is no FROM-TO is refused
# before video starts.
. "$(dirname "$0")/lib.sh"

# cursor_image: "WIDTHxHEIGHT OPAQUE-PIXELS" of the pointer where it stands.
cursor_image() {
    "$HELPERS/kronvale_cursor_image"
}

stdout_text() {
    cat "$work/stdout"
}

version=$(kronvale_version)

# No X server at all yet: these must not need one.
launch_env=(DISPLAY= WAYLAND_DISPLAY=)
for word in --help -h; do
    launch "$word"
    wait_exit
    expect_eq "$word: status 0" 0 "$exit_status"
    usage=$(stdout_text)
    for needle in "kronvale [fullscreen | window] [WIDTH HEIGHT]" "--version" "Escape" "space" \
        "button 1 and 3" "Exit status" "SIGTERM" "--12-hour" "--drift" "--night FROM-TO"; do
        case $usage in
        *"$needle"*) ok "$word tells of $needle" ;;
        *) fail "$word tells of $needle: got '$usage'" ;;
        esac
    done
    expect_eq "$word: nothing on standard error" "" "$(stderr_text)"
done
launch --version
wait_exit
expect_eq "--version: status 0" 0 "$exit_status"
expect_eq "--version prints the name and the version" "kronvale $version" "$(stdout_text)"
launch window 800 600 --night 25-7
wait_exit
expect_eq "a --night that is no FROM-TO: status 2 and one line, before video starts" \
    "2 kronvale: --night takes FROM-TO, two whole hours of the clock from 0 to 23 (--night 22-7), not '25-7'" \
    "$exit_status $(stderr_text)"
launch_env=()

start_xvfb
# With a display to open, still none is opened, and any other word stays a display mode.
launch --help
wait_exit
expect_eq "--help with a display: status 0, no frame drawn" "0 0" "$exit_status $(frames)"
launch_env=(PATH=/nonexistent)
launch --helpme 320 240
if find_window > /dev/null; then
    ok "another word starting with -- shows the message and opens the display"
else
    fail "another word starting with -- shows the message and opens the display ($(stderr_text))"
fi
stop_program
launch_env=()

# Started without standard input, output and error, as some launchers do: no
# library's connection may take their place, or the first warning written to
# "standard error" would go down the X connection.
launch_env=(XDG_CACHE_HOME=)
for closed in "0 1 2"; do
    launch_closed=$closed
    launch window 320 240
    check "without descriptor $closed: the window opens and draws" eval 'find_window > /dev/null'
    for fd in $closed; do
        expect_eq "without descriptor $closed: $fd is the null device" /dev/null \
            "$(readlink "/proc/$kronvale_pid/fd/$fd")"
    done
    stop_program
    expect_eq "without descriptor $closed: SIGTERM ends it with status 0" 0 "$exit_status"
done
launch_closed=
launch_env=()

# The pointer: the server's own cursor outside the display, none over it.
xdotool mousemove 1000 700
outside=$(cursor_image)
if [ "${outside#* }" -gt 0 ]; then
    ok "the bare screen shows a pointer ($outside)"
else
    fail "the bare screen shows a pointer: $outside"
fi
for mode in "window 320 240" "fullscreen"; do
    # shellcheck disable=SC2086
    launch $mode
    if win=$(find_window); then
        read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
        xdotool mousemove $((x + w / 2)) $((y + h / 2))
        wait_more_frames 3
        expect_eq "$mode: no pointer shows over the display" 0 "$(cursor_image | cut -d' ' -f2)"
    else
        fail "$mode: a display opens ($(stderr_text))"
    fi
    stop_program
done

# A clock standing still just after midnight: the labels of the last ten
# seconds reach back across it.
use_faketime "2026-12-08 00:00:03"
launch window 320 240
if find_window > /dev/null; then
    labels=
    for k in 0 1 2 3 4 5 6 7 8 9; do
        labels="$labels $(probe_label $k)"
    done
    expect_eq "the labels at 00:00:03" \
        " |23:59:54 |23:59:55 |23:59:56 |23:59:57 |23:59:58 |23:59:59 |00:00:00 |00:00:01 |00:00:02 |00:00:03" \
        "$labels"
else
    fail "a window opens at a fixed time ($(stderr_text))"
fi
stop_program

# Twelve hours, and the night from 22 to 7: at 23:30 the labels say 11 and
# the picture is dim, white a dark grey and the floor a darker cyan; at noon
# they say 12, on white.
for at in "23:30:00 |11:29:51 |11:30:00" "12:05:03 |12:04:54 |12:05:03"; do
    read -r time first last <<< "$at"
    use_faketime "2026-12-08 $time"
    launch --12-hour window 320 240 --night 22-7
    if win=$(find_window) && read -r w h x y < <(geometry "$win" | tr 'x+' '  '); then
        expect_eq "--12-hour at $time: the labels" "$first $last" "$(probe_label 0) $(probe_label 9)"
        if [ "$time" = 12:05:03 ]; then
            shows_scene "--night 22-7 at noon: on white" "$x" "$y" "$w" "$h"
        else
            wait_frames 5 && measure "$x" "$y" "$w" "$h"
            expect_eq "--night 22-7 at 23:30: no white, the background dark grey, the floor's cyan as dim" \
                "0 64,64,64 1" "$white $(colours $((x + 2)) $((y + h - 3)) 1 1) $(colours "$x" "$y" "$w" "$h" | grep -cw 0,64,64)"
        fi
    else
        fail "a window opens with --12-hour and --night at $time ($(stderr_text))"
    fi
    stop_program
done

finish
