# Helpers for the end-to-end tests: a private Xvfb, the real program started
# and driven with real input, screenshots, and checks that report what failed.
# Sourced by each test script with the program's path as $1.

set -u
. "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

KRONVALE=${1:?usage: $0 PATH-TO-KRONVALE [PATH-TO-SEND-CLOSE [PATH-TO-PIXEL-STATS]]}
SEND_CLOSE=${2:-}
PIXEL_STATS=${3:-}
FRAME_PROBE=${4:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/kronvale-e2e.XXXXXX")
xvfb_pid=
kronvale_pid=
launch_env=()

launched=()

cleanup() {
    local pid
    for pid in ${launched[@]+"${launched[@]}"}; do
        kill -KILL "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
    done
    if [ -n "$xvfb_pid" ]; then
        kill -TERM "$xvfb_pid" 2> /dev/null
        wait "$xvfb_pid" 2> /dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool xwininfo import convert perl setpriv; do
    if ! command -v "$tool" > /dev/null 2>&1; then
        echo "FAIL: $tool is missing; run the test command (make test) to install it"
        exit 1
    fi
done

perl=$(command -v perl)

# A private X server with a 1024 by 768 screen on a free display number. It must
# not reset when its last client leaves, or the next start could find it gone.
start_xvfb() {
    # Bound to this script's life, so that not even a killed test leaves a server behind.
    setpriv --pdeathsig KILL -- Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9> "$work/display" 2> "$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 200); do
        if [ -s "$work/display" ]; then
            export DISPLAY=":$(head -n 1 "$work/display")"
            return 0
        fi
        sleep 0.05
    done
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
}

# launch ARGS...: starts the program in the background, its stderr kept.
# Extra environment comes from the launch_env array.
launch() {
    if running; then
        kill -KILL "$kronvale_pid" 2> /dev/null
        wait "$kronvale_pid" 2> /dev/null
    fi
    # A background job of a script starts with SIGINT ignored; a user's program would not.
    setpriv --pdeathsig KILL -- env ${launch_env[@]+"${launch_env[@]}"} "$perl" -e '$SIG{INT} = "DEFAULT"; exec @ARGV or die' \
        "$KRONVALE" "$@" 2> "$work/stderr" > /dev/null &
    kronvale_pid=$!
    launched+=("$kronvale_pid")
}

running() {
    [ -n "$kronvale_pid" ] && [ -e "/proc/$kronvale_pid" ] &&
        [ "$(awk '{print $3}' "/proc/$kronvale_pid/stat" 2> /dev/null)" != "Z" ]
}

# wait_exit SECONDS: waits for the program to end; sets exit_status
# (or "running" if it is still going when the time is up).
wait_exit() {
    local steps
    steps=$(awk -v s="$1" 'BEGIN { print int(s * 50) }')
    for _ in $(seq "$steps"); do
        running || break
        sleep 0.02
    done
    if running; then
        exit_status=running
        kill -KILL "$kronvale_pid" 2> /dev/null
        wait "$kronvale_pid" 2> /dev/null
    else
        wait "$kronvale_pid"
        exit_status=$?
    fi
    kronvale_pid=
}

# find_window: the program's display window, by process id; empty if none shows up.
find_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --pid "$kronvale_pid" 2> /dev/null | head -n 1)
        if [ -n "$id" ]; then
            # Give it a moment to draw its first frames.
            sleep 0.3
            echo "$id"
            return 0
        fi
        running || return 1
        sleep 0.05
    done
    return 1
}

# geometry WINDOW: "WIDTHxHEIGHT+X+Y" of the window on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { printf "%sx%s+%s+%s\n", w, h, x, y }'
}

window_name() {
    xwininfo -id "$1" | sed -n 's/^xwininfo: Window id: [^ ]* //p'
}

screenshot() {
    import -window root "$work/screen.png"
}

# measure X Y WIDTH HEIGHT: takes a screenshot and sets the variables of
# the pixel counter for that rectangle (white, cyan, tip, grey, nonwhite,
# cyanx, cyany, left, right, top, bottom).
measure() {
    import -window root -depth 8 "ppm:$work/screen.ppm"
    local line
    line=$("$PIXEL_STATS" "$work/screen.ppm" "$@") || return 1
    eval "$line"
}

# probe_value FIELD: one of the frame probe's counts (see bench/frameProbe.cpp):
# sdl, glx, egl, first (ns), framebuffer, written.
probe_value() {
    local index
    case $1 in
    sdl) index=0 ;; glx) index=1 ;; egl) index=2 ;; first) index=3 ;;
    framebuffer) index=4 ;; written) index=5 ;;
    esac
    od -An -t d8 -j $((index * 8)) -N 8 "$work/probe" 2> /dev/null | tr -d ' '
}

# mostly_white WHAT X Y WIDTH HEIGHT: the scene on white, as every frame shows it.
mostly_white() {
    local what=$1
    shift
    if ! measure "$@"; then
        fail "$what: no screenshot to measure"
    elif [ "$white" -gt $((pixels * 9 / 10)) ] && [ "$nonwhite" -gt 0 ]; then
        ok "$what ($white of $pixels pixels white)"
    else
        fail "$what: $white of $pixels pixels white"
    fi
}

# pixel X Y: "R,G,B" of the last screenshot at that point.
pixel() {
    convert "$work/screen.png" -format \
        "%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)]" info:
}

pointer_position() {
    xdotool getmouselocation | sed 's/^x:\([0-9]*\) y:\([0-9]*\).*/\1,\2/'
}

# Whether the program runs on the SDL 1.2 compatibility layer over SDL 2
# rather than on classic SDL 1.2.
sdl_is_compat() {
    local library
    library=$(ldd "$KRONVALE" | awk '/libSDL-1\.2\.so/ { print $3 }')
    [ -n "$library" ] && readlink -f "$library" | grep -q sdl12-compat
}

stderr_text() {
    cat "$work/stderr"
}
