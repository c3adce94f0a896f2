# Helpers for the Windows tests: the zip unpacked into a folder of its own,
# as a user would, and its programs run under Wine on a private Xvfb, with the
# end-to-end tests' helpers (tests/e2e/lib.sh) for everything X can tell.
# Sourced by each script with: ZIP LINUX-BUILD WINDOWS-HELPER.

windows_zip=${1:?usage: $0 ZIP LINUX-BUILD WINDOWS-HELPER.exe}
linux_build=${2:?usage: $0 ZIP LINUX-BUILD WINDOWS-HELPER.exe}
windows_helper=${3:?usage: $0 ZIP LINUX-BUILD WINDOWS-HELPER.exe}
windows_zip=$(realpath "$windows_zip")
linux_build=$(realpath "$linux_build")
windows_helper=$(realpath "$windows_helper")
windows_tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$windows_tests/wine.sh

# The end-to-end helpers launch "$KRONVALE"; here that is Wine.
. "$windows_tests/../e2e/lib.sh" "$wine_run" "$linux_build/tests"

for tool in wine wineserver unzip "$HELPERS/kronvale_send_close" "$HELPERS/kronvale_pixel_stats"; do
    if ! command -v "$tool" > /dev/null 2>&1; then
        echo "FAIL: $tool is missing; run the test command (make test), which builds and installs it"
        exit 1
    fi
done
if [ ! -f "$windows_zip" ]; then
    echo "FAIL: no zip at $windows_zip; scripts/windows writes it"
    exit 1
fi

export WINEPREFIX=${WINEPREFIX:-$(cd "$windows_tests/../.." && pwd)/build-windows/wine}
export WINEDEBUG=-all

# Whatever Wine still runs in the prefix (its own services) ends with the test,
# so that the next test starts it afresh on its own X server.
stop_wine() {
    wineserver -k > /dev/null 2>&1
    wineserver -w > /dev/null 2>&1
}
trap 'stop_wine; cleanup' EXIT

# Unpacked as a user would: nothing but what the zip holds.
folder=$work/Kronvale
mkdir -p "$folder"
unzip -q "$windows_zip" -d "$folder"

# launch_windows PROGRAM ARGS...: starts a program of the folder under Wine, in
# that folder; its exit status is the program's.
launch_windows() {
    local program=$1
    shift
    rm -f "$folder/stdout.txt" "$folder/stderr.txt"
    cd "$folder" || exit 1
    launch "$program" "$@"
    cd - > /dev/null || exit 1
}

# find_windows_window NAME: the visible window of that exact name; empty if
# none shows up while the program runs.
find_windows_window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        running || return 1
        sleep 0.05
    done
    return 1
}

# find_window_at GEOMETRY: a visible window with exactly that geometry
# ("1024x768+0+0"), for windows without a caption; empty if none shows up.
find_window_at() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '.+' 2> /dev/null); do
            if [ "$(geometry "$id")" = "$1" ]; then
                echo "$id"
                return 0
            fi
        done
        running || return 1
        sleep 0.05
    done
    return 1
}

# box_text TITLE: the text of the message box with that title, read from
# Windows' side.
box_text() {
    (cd "$folder" && "$wine_run" "$windows_helper" box "$1" 2> /dev/null | tr -d '\r')
}

# press_ok WINDOW: dismisses a message box as a user would, with Enter, again
# each second while it shows, for up to fifteen seconds (see press_key).
press_ok() {
    for _ in $(seq 15); do
        xdotool windowfocus --sync "$1" 2> /dev/null
        xdotool key --window "$1" Return 2> /dev/null
        for _ in $(seq 10); do
            xwininfo -id "$1" 2> /dev/null | grep -q IsViewable || return 0
            sleep 0.1
        done
    done
}

# wait_scene X Y WIDTH HEIGHT: waits up to thirty seconds for the scene to
# show there as it does once the eye has flown in: mostly white, with more
# than a few pixels of cyan and of dark red, and none black; the counts are
# left in the variables of measure.
wait_scene() {
    for _ in $(seq 150); do
        if measure "$@" && [ "$white" -gt $((pixels * 9 / 10)) ] && [ "$white" -lt "$pixels" ] &&
            [ "$cyan" -gt 20 ] && [ "$tip" -gt 20 ] && [ "$black" = 0 ]; then
            return 0
        fi
        running || return 1
        sleep 0.2
    done
    return 1
}

# wait_changed X Y WIDTH HEIGHT: waits up to ten seconds for the picture in
# that rectangle to change, that is, for new frames.
wait_changed() {
    local before after
    before=$(import -window root -crop "$3x$4+$1+$2" -depth 8 rgb:- | md5sum)
    for _ in $(seq 100); do
        after=$(import -window root -crop "$3x$4+$1+$2" -depth 8 rgb:- | md5sum)
        [ "$after" != "$before" ] && return 0
        sleep 0.1
    done
    return 1
}

# press_key WINDOW KEY: gives the window the keyboard and presses the key,
# again each second while the program runs, for up to fifteen seconds, then
# sets exit_status as wait_exit does. Wine takes a window's first focus
# change after it opened only when it is ready for it, and without a window
# manager nothing else would give it the keyboard.
press_key() {
    local window=$1 key=$2
    focus_and_key() {
        xdotool windowfocus --sync "$window" 2> /dev/null
        xdotool key --window "$window" "$key" 2> /dev/null
    }
    until_exit focus_and_key
}

# press_button BUTTON: clicks that mouse button where the pointer stands, the
# same way: a click can go to activating the window first.
press_button() {
    local button=$1
    click() { xdotool click "$button" 2> /dev/null; }
    until_exit click
}

# until_exit COMMAND: runs it, again each second while the program runs, for
# up to fifteen seconds; then sets exit_status as wait_exit does.
until_exit() {
    for _ in $(seq 15); do
        "$@"
        for _ in $(seq 50); do
            running || break
            sleep 0.02
        done
        running || break
    done
    wait_exit 0
}

# alive PID: whether that process still runs (not ended, nor a zombie).
alive() {
    [ -e "/proc/$1" ] && [ "$(awk '{print $3}' "/proc/$1/stat" 2> /dev/null)" != Z ]
}

# stderr_file: what the program left in stderr.txt beside it, CR LF kept.
stderr_file() {
    cat "$folder/stderr.txt" 2> /dev/null
}

# Frames counted from outside the program, by Mesa itself (the same for the
# Linux build and for Wine): every tenth of a second it writes the frame rate
# of that tenth into $work/hud/fps. launch_env carries the settings.
count_frames() {
    mkdir -p "$work/hud"
    rm -f "$work/hud/fps"
    launch_env=(GALLIUM_HUD=simple,fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0.1
        GALLIUM_HUD_DUMP_DIR="$work/hud")
}

frames_drawn() {
    awk '{ frames += $1 / 10 } END { printf "%d\n", frames }' "$work/hud/fps" 2> /dev/null || echo 0
}

# wait_frames N: waits up to twenty seconds for N more frames.
wait_frames() {
    local until=$(($(frames_drawn) + $1))
    for _ in $(seq 200); do
        [ "$(frames_drawn)" -ge "$until" ] && return 0
        running || return 1
        sleep 0.1
    done
    return 1
}
