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

# The end-to-end helpers launch "$KRONVALE"; here that is Wine, and Mesa
# counts the frames (count_frames), since no probe can be preloaded.
. "$windows_tests/../e2e/lib.sh" "$wine_run" "$linux_build/tests"

need wine wineserver unzip "$HELPERS/kronvale_send_close" "$HELPERS/kronvale_pixel_stats"
if [ ! -f "$windows_zip" ]; then
    echo "FAIL: no zip at $windows_zip; scripts/windows writes it"
    exit 1
fi

export WINEPREFIX=${WINEPREFIX:-$(cd "$windows_tests/../.." && pwd)/build-windows/build/wine-a}
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

# count_frames: the next launch's frames are counted by Mesa itself, which
# every tenth of a second writes the rate of that tenth into $work/hud/fps,
# for programs the probe cannot be preloaded into (Wine).
count_frames() {
    mkdir -p "$work/hud"
    launch_env+=(GALLIUM_HUD=simple,fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0.1
        GALLIUM_HUD_DUMP_DIR="$work/hud")
}

# launch_windows PROGRAM ARGS...: starts a program of the folder under Wine, in
# that folder, its frames counted by Mesa; its exit status is the program's.
launch_windows() {
    local program=$1
    shift
    rm -f "$folder/stdout.txt" "$folder/stderr.txt"
    count_frames
    cd "$folder" || exit 1
    launch "$program" "$@"
    cd - > /dev/null || exit 1
    launch_env=()
}

# find_windows_window NAME: the visible window of that exact name; empty if
# none shows up while the program runs.
find_windows_window() {
    local id= name=$1
    wait_until 30 eval 'id=$(xdotool search --onlyvisible --name "^$name\$" 2> /dev/null | head -n 1); [ -n "$id" ] || ended' &&
        [ -n "$id" ] && echo "$id"
}

# find_window_at GEOMETRY: a visible window with exactly that geometry
# ("1024x768+0+0"), for windows without a caption; empty if none shows up.
find_window_at() {
    local id= found=
    at() {
        for id in $(xdotool search --onlyvisible --name '.+' 2> /dev/null); do
            [ "$(geometry "$id")" != "$1" ] || { found=$id; return 0; }
        done
        ! running
    }
    wait_until 30 at "$1" && [ -n "$found" ] && echo "$found"
}

# box_text TITLE: the text of the message box with that title, read from
# Windows' side.
box_text() {
    (cd "$folder" && "$wine_run" "$windows_helper" box "$1" 2> /dev/null | tr -d '\r')
}

# press_ok WINDOW: dismisses a message box as a user would, with Enter.
press_ok() {
    local box=$1
    closed() { ! xwininfo -id "$box" 2> /dev/null | grep -q IsViewable; }
    enter() { focus "$box" && xdotool key --window "$box" Return 2> /dev/null; }
    again_until closed enter
}

# press_key WINDOW KEY: gives the window the keyboard and presses the key,
# then sets exit_status as wait_exit does. WINDOW may be a geometry, for a
# window without a caption: Wine may make the one found there anew as it
# goes full-screen, so it is looked for again at every try.
press_key() {
    local window=$1 key=$2
    focus_and_key() {
        local id=$window
        case $window in
        *x*+*+*) id=$(find_window_at "$window") || return 1 ;;
        esac
        focus "$id" 2> /dev/null && xdotool key --window "$id" "$key" 2> /dev/null
    }
    again_until ended focus_and_key
    wait_exit
}

# press_button BUTTON: clicks that mouse button where the pointer stands, the
# same way.
press_button() {
    local button=$1
    click() { xdotool click "$button" 2> /dev/null; }
    again_until ended click
    wait_exit
}

# stderr_file: what the program left in stderr.txt beside it, CR LF kept.
stderr_file() {
    cat "$folder/stderr.txt" 2> /dev/null
}
