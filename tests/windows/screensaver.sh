#!/usr/bin/env bash
# kronvale.scr from the zip under Wine, started as Windows starts a
# screensaver: /c and no argument show the settings dialog, which keeps them
# in the registry, anything unknown says what is accepted; /s shows the
# scene full-screen, as the settings kept say, and ends on a key, a button
# or the pointer moving away, which never steers the camera; /p draws inside
# the window it is given, at its size, until that goes.
. "$(dirname "$0")/lib.sh"

start_xvfb

# expect_box TITLE TEXT STATUS WHAT: the box, OK pressed, the exit status.
expect_box() {
    local box
    if box=$(find_windows_window "$1"); then
        expect_eq "$4 shows a box titled $1 saying so" "$2" "$(box_text "$1")"
        press_ok "$box"
        wait_exit
        expect_eq "after OK it ends with status $3" "$3" "$exit_status"
    else
        fail "$4 shows a box titled $1"
        wait_exit 1
    fi
}

# kept VALUE: the settings kept for the user, as Windows' own reg writes them.
kept() {
    "$wine_run" reg add 'HKCU\Software\Kronvale' /v Options /t REG_SZ /d "$1" /f > /dev/null 2>&1
}

# /c: the settings dialog; the first box ticked (12-hour labels) and OK
# keep that in the registry, as kronvale.exe's option.
launch_windows kronvale.scr /c
if dialog=$(find_windows_window Kronvale); then
    # Space ticks the box that has the keyboard, once Wine has given it.
    ticked() { [ "$(cd "$folder" && "$wine_run" "$windows_helper" ticks Kronvale | tr -d '\r')" = 100 ]; }
    tick() { ticked || { focus "$dialog" && xdotool key --window "$dialog" space; }; }
    again_until ticked tick
    press_ok "$dialog"
    wait_exit
    expect_eq "/c's dialog keeps the 12-hour labels, and ends with status 0" "0 --12-hour" \
        "$exit_status $("$wine_run" reg query 'HKCU\Software\Kronvale' /v Options 2> /dev/null |
            tr -d '\r' | sed -n 's/^ *Options *REG_SZ *//p')"
else
    fail "/c shows the settings dialog"
    wait_exit 1
fi
# A value kept that is no Kronvale options is ignored whole, and the dialog says so.
kept "--night 25-7"
launch_windows kronvale.scr
if dialog=$(find_windows_window Kronvale); then
    expect_eq "no argument: the dialog, saying the value kept is ignored" \
        "The settings kept, '--night 25-7', are not Kronvale's options, and are ignored." \
        "$(box_text Kronvale)"
    press_key "$dialog" Escape
    expect_eq "Escape leaves it with status 0" 0 "$exit_status"
else
    fail "no argument shows the settings dialog"
    wait_exit 1
fi
launch_windows kronvale.scr /x
expect_box Kronvale "Kronvale as a screensaver takes /s (show it full-screen on every monitor), /p HWND or /p:HWND (show it inside that window) or /c (its settings), in upper or lower case, with / or -." \
    1 "an unknown argument"

# /s, with the value kept that is ignored: the pointer stands in a corner
# the scene never reaches.
xdotool mousemove 40 700
launch_windows kronvale.scr /s
if window=$(find_window_at 1024x768+0+0); then
    ok "/s opens a display of the desktop's size, 1024 by 768"
    shows_scene "showing the scene" 0 0 1024 768
    convert "$work/screen.ppm" "$work/screensaver.png"
    # A few pixels of drift: it goes on, and the program never sees the
    # motion, so no cursor dot comes up where the pointer is.
    xdotool mousemove 43 697
    if wait_more_frames 30 && measure 36 690 15 15 && running; then
        expect_eq "a drift of three pixels leaves it running, with no dot at the pointer" 0 "$grey"
    else
        fail "a drift of three pixels leaves it running (${exit_status:-running})"
    fi
    xdotool mousemove 60 697
    wait_exit
    expect_eq "moving the pointer away ends it with status 0" 0 "$exit_status"
else
    fail "/s opens a display of the desktop's size, 1024 by 768"
fi

# A night kept that covers the present hour: /s draws dim. The value kept
# above, which is none, was ignored and drew on white.
hour=$((10#$(date +%H)))
kept "--night $(((hour + 23) % 24))-$(((hour + 2) % 24))"
launch_windows kronvale.scr /s
if window=$(find_window_at 1024x768+0+0) && wait_frames 10 && measure 0 0 1024 768; then
    expect_eq "a night kept over this hour: /s draws dim, white a dark grey" "0 64,64,64" \
        "$white $(colours 2 765 1 1)"
    press_key 1024x768+0+0 a
else
    fail "a night kept: /s opens a display and draws"
fi
kept ""

# Each running and drawing before the input comes, so that only the input can end it.
launch_windows kronvale.scr /S
if window=$(find_window_at 1024x768+0+0) && wait_frames 20; then
    press_key 1024x768+0+0 a
    expect_eq "/S ends on a key with status 0" 0 "$exit_status"
else
    fail "/S opens a display and draws"
fi
launch_windows kronvale.scr -s
if window=$(find_window_at 1024x768+0+0) && wait_frames 20; then
    press_button 3
    expect_eq "-s ends on a mouse button with status 0" 0 "$exit_status"
else
    fail "-s opens a display and draws"
fi

# /p with a handle that is no window: nothing to draw in.
launch_windows kronvale.scr /p 4242
wait_exit 30
expect_eq "/p with no such window ends with status 1" 1 "$exit_status"
expect_eq "saying so in stderr.txt" "No window 4242 to show the preview in"$'\r' "$(stderr_file)"

# /p: a host window of another program, as the settings' preview is.
setpriv --pdeathsig KILL -- "$wine_run" "$windows_helper" host 320 240 > "$work/host" 2> /dev/null &
host_pid=$!
launched+=("$host_pid")
wait_until 30 test -s "$work/host"
handle=$(tr -d '\r\n' < "$work/host")
host_window=$(xdotool search --onlyvisible --name '^Preview host$' 2> /dev/null | head -n 1)
if [ -n "$handle" ] && [ -n "$host_window" ]; then
    launch_windows kronvale.scr /p "$handle"
    # Wine draws OpenGL in a child window of another program's window into
    # an X window of its own, off the screen at (-1, -1), and does not copy it
    # into the host: the picture is read from there, all but its first row and
    # column.
    preview=
    wait_until 30 eval 'preview=$(xwininfo -root -tree | awk '"'"'$2 == "(has" && $6 ~ /^320x240\+/ { print $1 }'"'"' | head -n 1); [ -n "$preview" ] || ended'
    if [ -n "$preview" ]; then
        ok "/p draws into a window of the host's size, 320 by 240"
        measured_window=$preview
        shows_scene "showing the scene" 1 1 319 239
        measured_window=root
        convert "$work/screen.ppm" "$work/preview.png"
    else
        fail "/p draws into a window of the host's size, 320 by 240"
    fi
    expect_eq "it runs while the host is there" yes "$(running && echo yes)"
    # Asked again each second while it stays: Wine may not yet listen.
    host_closed() { ! alive "$host_pid"; }
    close_host() { "$HELPERS/kronvale_send_close" "$host_window" 2> /dev/null; }
    again_until host_closed close_host
    expect_eq "the host closes" closed "$(host_closed && echo closed)"
    wait_exit
    expect_eq "closing the host ends it with status 0" 0 "$exit_status"
else
    fail "the preview host opens its window"
fi

if [ -n "${KRONVALE_SCREENSHOTS:-}" ]; then
    cp "$work"/*.png "$KRONVALE_SCREENSHOTS"/ 2> /dev/null
fi
finish
