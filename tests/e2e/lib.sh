# Helpers for the end-to-end tests: a private X server, the real program
# started with the frame probe watching it and driven with real input, waits
# for conditions with deadlines, screenshots, and checks that report what
# failed. Sourced by each test script, whose arguments are the program, the
# folder of the test helpers and the frame probe (none for the Windows tests,
# whose program is Wine).
#
# Animation here is counted in frames, so a test waits for frames drawn (the
# probe counts them), a window mapped or a pixel condition, never for a time.

set -u
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/xserver.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/build.sh"

# No session bus but a test's own: a desktop's would hear what the program
# asks of it, and with none at all a library may start one that outlives
# the test (dbus-x11's autolaunch).
export DBUS_SESSION_BUS_ADDRESS=disabled:

KRONVALE=${1:?usage: $0 PATH-TO-KRONVALE TEST-HELPERS-FOLDER PATH-TO-FRAME-PROBE}
HELPERS=${2:?usage: $0 PATH-TO-KRONVALE TEST-HELPERS-FOLDER PATH-TO-FRAME-PROBE}
FRAME_PROBE=${3:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/kronvale-e2e.XXXXXX")
kronvale_pid=
launch_env=()     # extra environment for the next launches
launch_preload=   # libraries preloaded besides the frame probe
launch_closed=    # standard streams the next launches start without, as "0 2"
launch_as=()      # setpriv's options for the user the next launches run as
launch_in=()      # a command the next launches run under, such as nsenter's
launched=()

cleanup() {
    local pid
    for pid in ${launched[@]+"${launched[@]}"}; do
        kill -KILL "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
    done
    stop_private_x
    rm -rf "$work"
}
trap cleanup EXIT

# need TOOL...: every one is there, or the test fails at once saying which.
need() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" > /dev/null 2>&1; then
            echo "FAIL: $tool is missing; run the test command (make test) to install it"
            exit 1
        fi
    done
}
need Xvfb xdotool xwininfo import convert perl setpriv
perl=$(command -v perl)

# How long a program may take to end once asked to: the one deadline the
# tests give it. A sanitized build checks for leaks on the way out, and Wine
# winds down a whole Windows process, which on a busy machine has taken
# longer than fifteen seconds: both get longer.
exit_deadline=5
if ldd "$KRONVALE" 2> /dev/null | grep -q libasan; then
    exit_deadline=30
elif [ -z "$FRAME_PROBE" ]; then
    exit_deadline=60
fi

# start_xvfb [WIDTHxHEIGHT]: the test's own X server, 1024 by 768 unless given.
start_xvfb() {
    start_private_x "${1:-1024x768}" || {
        echo "FAIL: Xvfb did not start"
        exit 1
    }
}

# start_monitors: instead, an X server with two 1280 by 1024 monitors side by
# side, the left one primary, its root painted so that a monitor nothing
# covers shows $untouched.
start_monitors() {
    if [ "$(id -u)" -ne 0 ]; then
        skip "a server of two monitors is Xorg, which needs root (the test command runs as root)"
        finish
    fi
    need Xorg xrandr xsetroot
    start_two_monitors > "$work/xrandr.log" 2>&1 || {
        echo "FAIL: the two monitors did not come up"
        cat "$work/xrandr.log"
        exit 1
    }
    xsetroot -solid '#336699'
    untouched=51,102,153
}

# again_until CONDITION COMMAND...: runs COMMAND, then waits a second for
# CONDITION (a command) to hold; again, for up to fifteen seconds. For input
# a program takes only once it is ready for it: Wine takes a window's first
# focus change after it opened only when it is ready for it, and a click can
# go to activating the window.
again_until() {
    local condition=$1
    shift
    attempt() {
        "$@"
        wait_until 1 "$condition"
    }
    wait_until 15 attempt "$@"
}

# wait_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds;
# fails once the deadline has passed. Checking costs the program under test
# next to no CPU: the clock is the shell's own.
wait_until() {
    local deadline
    deadline=$((${EPOCHREALTIME/./} + $(awk -v s="$1" 'BEGIN { printf "%.0f", s * 1e6 }')))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# launch ARGS...: starts the program in the background with the frame probe
# preloaded, its standard error kept. Extra environment comes from launch_env.
launch() {
    if running; then
        kill -KILL "$kronvale_pid" 2> /dev/null
        wait "$kronvale_pid" 2> /dev/null
    fi
    rm -f "$work/probe" "$work/hud/fps"
    local preload="$FRAME_PROBE $launch_preload ${LD_PRELOAD:-}"
    if [ -z "$FRAME_PROBE" ]; then
        preload="$launch_preload ${LD_PRELOAD:-}"
    fi
    # A background job of a script starts with SIGINT ignored; a user's program would not.
    ${launch_in[@]+"${launch_in[@]}"} setpriv --pdeathsig KILL ${launch_as[@]+"${launch_as[@]}"} -- env KRONVALE_PROBE_FILE="$work/probe" \
        LD_PRELOAD="$(echo $preload)" ${launch_env[@]+"${launch_env[@]}"} \
        "$perl" -MPOSIX -e '$SIG{INT} = "DEFAULT"; POSIX::close($_) for split " ", shift; exec @ARGV or die' \
        "$launch_closed" "$KRONVALE" "$@" 2> "$work/stderr" > "$work/stdout" &
    kronvale_pid=$!
    launched+=("$kronvale_pid")
}

# alive PID: whether that process still runs (not ended, nor a zombie). One
# read decides: the shell may reap the process between two looks, and a stat
# that can no longer be read means it has gone.
alive() {
    local stat
    [ -n "$1" ] && stat=$(cat "/proc/$1/stat" 2> /dev/null) || return 1
    stat=${stat##*) }
    [ -n "$stat" ] && [ "${stat%% *}" != Z ]
}

# nothing_left: no process this test started runs Kronvale any more: none
# has the frame probe writing into this test's folder.
nothing_left() {
    ! grep -qsz "^KRONVALE_PROBE_FILE=$work/probe\$" /proc/[0-9]*/environ
}

# running, ended: whether the launched program still runs, or has ended.
running() {
    alive "$kronvale_pid"
}
ended() {
    ! running
}

# wait_exit [SECONDS]: waits for the program to end, up to exit_deadline
# unless told; sets exit_status (or "running" if it is still going when the
# time is up, and then kills it).
wait_exit() {
    wait_until "${1:-$exit_deadline}" ended || true
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

# stop_program: SIGTERM, then wait_exit.
stop_program() {
    kill -TERM "$kronvale_pid" 2> /dev/null
    wait_exit
}

# quits_on_escape WHAT WINDOW: Escape in the window ends the program with
# status 0 and nothing on standard error.
quits_on_escape() {
    focus "$2"
    xdotool key Escape
    wait_exit
    expect_eq "$1: Escape ends it with status 0" 0 "$exit_status"
    expect_eq "$1: nothing on standard error" "" "$(stderr_text)"
}

# probe_value FIELD [FILE]: one of the frame probe's counts (see
# bench/frameProbe.cpp), of the launched program or of the given probe file.
probe_value() {
    local index
    case $1 in
    sdl) index=0 ;; glx) index=1 ;; egl) index=2 ;; first) index=3 ;;
    framebuffer) index=4 ;; written) index=5 ;; last) index=6 ;; pauses) index=7 ;;
    delays) index=8 ;; quits) index=9 ;; texts) index=10 ;;
    esac
    local value
    value=$(od -An -t d8 -j $((index * 8)) -N 8 "${2:-$work/probe}" 2> /dev/null | tr -d ' ')
    echo "${value:-0}"
}

# probe_label K: label K (0 to 9) of the last chain the program drew.
probe_label() {
    dd if="$work/probe" bs=1 skip=$((88 + $1 * 9)) count=9 2> /dev/null
}

# frames: how many frames the program has presented so far.
frames() {
    if [ -z "$FRAME_PROBE" ]; then
        awk '{ frames += $1 / 10 } END { printf "%d\n", frames }' "$work/hud/fps" 2> /dev/null || echo 0
    else
        probe_value sdl
    fi
}

# wait_frames N [SECONDS]: waits until N frames have been presented in all;
# fails if the program ends first or the deadline passes: thirty seconds and
# as long again as N frames take at 5 frames a second, which a busy machine
# with a sanitized build still beats.
wait_frames() {
    local want=$1
    wait_until "${2:-$((30 + want / 5))}" eval '[ "$(frames)" -ge '"$want"' ] || ended' &&
        [ "$(frames)" -ge "$want" ]
}

# wait_more_frames N [SECONDS]: waits for N frames beyond those drawn so far.
wait_more_frames() {
    wait_frames $(($(frames) + $1)) "${2:-$((30 + $1 / 5))}"
}

# start_window_manager: openbox on the test's X server, for what only a
# window manager does (minimising, sizing full-screen windows).
start_window_manager() {
    need openbox
    setpriv --pdeathsig KILL -- openbox --sm-disable > /dev/null 2>&1 &
    launched+=("$!")
    wait_until 30 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id"' ||
        fail "the window manager starts"
}

# start_yardstick ARGS...: a second Kronvale, to measure intervals by its
# frames rather than by the clock; its frames are yardstick_frames.
start_yardstick() {
    rm -f "$work/yardstick"
    setpriv --pdeathsig KILL ${launch_as[@]+"${launch_as[@]}"} -- env KRONVALE_PROBE_FILE="$work/yardstick" \
        LD_PRELOAD="$FRAME_PROBE${LD_PRELOAD:+ $LD_PRELOAD}" ${launch_env[@]+"${launch_env[@]}"} \
        "$KRONVALE" "$@" 2> /dev/null &
    yardstick_pid=$!
    launched+=("$yardstick_pid")
}

yardstick_frames() {
    probe_value sdl "$work/yardstick"
}

# stops_drawing: within thirty seconds, the program draws nothing while the
# yardstick draws ten (it may finish the pass in hand, and the one that
# hears it is not seen).
stops_drawing() {
    stopped() {
        local mine=$(frames) theirs=$(yardstick_frames)
        wait_until 10 eval '[ "$(yardstick_frames)" -ge $((theirs + 10)) ]' && [ "$(frames)" -eq "$mine" ]
    }
    wait_until 30 stopped
}

# sleeps WHAT: while the yardstick draws, the program stops drawing and then
# sleeps: no frame while the other draws sixty, and at most a tenth of its CPU.
sleeps() {
    local frames_before ticks_before yardstick_before yardstick_ticks_before drawn used yardstick_used
    stops_drawing || fail "$1, it stops drawing"
    frames_before=$(frames)
    ticks_before=$(cpu_ticks)
    yardstick_before=$(yardstick_frames)
    yardstick_ticks_before=$(cpu_ticks "$yardstick_pid")
    wait_until 60 eval '[ "$(yardstick_frames)" -ge $((yardstick_before + 60)) ]'
    drawn=$(($(frames) - frames_before))
    used=$(($(cpu_ticks) - ticks_before))
    yardstick_used=$(($(cpu_ticks "$yardstick_pid") - yardstick_ticks_before))
    expect_eq "$1, no frames while another program draws sixty" 0 "$drawn"
    if [ "$used" -le $((yardstick_used / 10 + 2)) ]; then
        ok "$1, next to no CPU ($used ticks, the visible program $yardstick_used)"
    else
        fail "$1, next to no CPU: $used ticks, the visible program $yardstick_used"
    fi
}

# find_window: the program's display window, by process id, once it is mapped
# and has been drawn into; empty if none shows up.
find_window() {
    local id=
    if wait_until 30 eval 'id=$(xdotool search --onlyvisible --pid "$kronvale_pid" 2> /dev/null | head -n 1); [ -n "$id" ] || ended' &&
        [ -n "$id" ] && wait_frames 2; then
        echo "$id"
        return 0
    fi
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

# covering GEOMETRY: the geometry ("1280x1024+0+0") of a shown top-level
# window, if one has exactly that; classic SDL covers the screen full-screen
# with a window of its own beside the one a window manager frames.
covering() {
    local id
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        # A window may go between the listing and the look.
        if [ "$(geometry "$id" 2> /dev/null)" = "$1" ] && xwininfo -id "$id" 2> /dev/null | grep -q IsViewable; then
            echo "$1"
            return
        fi
    done
}

window_name() {
    xwininfo -id "$1" | sed -n 's/^xwininfo: Window id: [^ ]* //p'
}

# focus WINDOW: gives the window the keyboard; there is no window manager to do it.
focus() {
    xdotool windowfocus --sync "$1" 2> /dev/null || xdotool windowfocus "$1"
}

# screenshot FILE: the screen, or the window measured_window names, as a
# binary PPM (a Wayland test takes it its own way).
screenshot() {
    import -window "$measured_window" -depth 8 "ppm:$1" 2> /dev/null
}

# measure X Y WIDTH HEIGHT: takes a screenshot (of the screen, or of the
# window measured_window names) and sets the variables of the pixel counter
# for that rectangle (white, cyan, tip, grey, black, nonwhite, cyanx, cyany,
# cyanleft, cyanright, left, right, top, bottom, pixels); the one before it
# is kept.
measured_window=root
measure() {
    [ ! -f "$work/screen.ppm" ] || mv "$work/screen.ppm" "$work/before.ppm"
    screenshot "$work/screen.ppm" || return 1
    local line
    line=$("$HELPERS/kronvale_pixel_stats" "$work/screen.ppm" "$@") || return 1
    eval "$line"
}

# moved_since X Y WIDTH HEIGHT: measure, and set moved to how many pixels
# there turned from the floor's cyan to white or back since the last measure.
moved_since() {
    measure "$@" && eval "$("$HELPERS/kronvale_pixel_stats" "$work/screen.ppm" "$@" "$work/before.ppm")"
}

# scene_shows X Y WIDTH HEIGHT: that area shows the scene as every frame
# does: mostly white, the floor's cyan about its middle column, the tips'
# dark red (a picture scaled to fit keeps a few pixels of each exactly so),
# and nothing black but perhaps the dot; the counts are left in the
# variables of measure.
scene_shows() {
    measure "$@" && [ "$white" -gt $((pixels * 4 / 5)) ] && [ "$cyan" -ge 5 ] &&
        [ "$tip" -ge 5 ] && [ "$black" -le 16 ] &&
        awk -v c="$cyanx" -v m=$(($1 + $3 / 2)) -v s=$(($3 / 16)) 'BEGIN { exit !(c > m - s && c < m + s) }'
}

# sees SECONDS FRAMES COMMAND...: looks (COMMAND, such as a screenshot
# measured) every FRAMES frames until what it looks for shows, while the
# program runs and draws, for up to SECONDS; true only if it showed.
sees() {
    local seconds=$1 every=$2 seen=
    shift 2
    local look=("$@")
    wait_until "$seconds" eval '"${look[@]}" && seen=yes || ended || ! wait_more_frames "$every"'
    [ -n "$seen" ] && running
}

# shows_scene WHAT X Y WIDTH HEIGHT: within thirty seconds, scene_shows.
shows_scene() {
    local what=$1
    shift
    if sees 30 5 scene_shows "$@"; then
        ok "$what ($white of $pixels white, $cyan cyan, $tip dark red, the root at $cyanx)"
    else
        fail "$what: ${white:-?} of ${pixels:-?} white, ${cyan:-?} cyan, ${tip:-?} dark red, ${black:-?} black, the root at ${cyanx:-?}"
    fi
}

# colours X Y WIDTH HEIGHT: the distinct colours of the last measured
# screenshot in that rectangle, as "R,G,B" words.
colours() {
    convert "$work/screen.ppm" -crop "$3x$4+$1+$2" +repage -unique-colors -depth 8 txt:- |
        sed -n 's/^[^(]*(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p' | tr '\n' ' ' | sed 's/ $//'
}

pointer_position() {
    xdotool getmouselocation | sed 's/^x:\([0-9]*\) y:\([0-9]*\).*/\1,\2/'
}

# Whether the program runs on the SDL 1.2 compatibility layer over SDL 2
# rather than on classic SDL 1.2, as the library it loads says.
sdl_is_compat() {
    local library version
    library=$(ldd "$KRONVALE" | awk '/libSDL-1\.2\.so/ { print $3 }')
    version=$("$HELPERS/kronvale_sdl_version" "$library") && [ "${version##*.}" -ge 50 ]
}

# use_faketime TIME: the next launches read their local time from libfaketime:
# "@YYYY-MM-DD HH:MM:SS" starts the clock there, without "@" it stands still.
use_faketime() {
    local library
    # The machine's own architecture's: another's may be installed beside it.
    library=/usr/lib/$(gcc -dumpmachine)/faketime/libfaketime.so.1
    if [ ! -f "$library" ]; then
        echo "FAIL: libfaketime is missing; run the test command (make test) to install it"
        exit 1
    fi
    launch_preload=$library
    launch_env+=(FAKETIME="$1" FAKETIME_DONT_FAKE_MONOTONIC=1)
}

stderr_text() {
    cat "$work/stderr"
}

# with_packages_held COMMAND...: as root, runs the command while no other
# test installs or removes a package named kronvale, of whichever
# architecture, and only where no such package is installed already (a
# user's, which the test leaves be).
with_packages_held() {
    local held status=0
    if [ "$(id -u)" -ne 0 ]; then
        skip "installing the package needs root"
        return
    fi
    exec {held}> "${TMPDIR:-/tmp}/kronvale-packages.lock"
    flock "$held"
    if kronvale_installed; then
        skip "a kronvale package is installed here already; leaving it be"
    else
        "$@" || status=$?
    fi
    exec {held}>&-
    return $status
}

kronvale_installed() {
    dpkg-query -W -f='${Status}' kronvale 2> /dev/null | grep -q 'ok installed'
}

# apt_get WHAT ARGS...: apt-get as a user would run it, waiting for another's
# lock; a check named WHAT, which shows apt's output if it fails.
apt_get() {
    local what=$1
    shift
    if DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" \
        > "$work/apt.log" 2>&1; then
        ok "$what"
    else
        fail "$what"
        cat "$work/apt.log"
        return 1
    fi
}

# cpu_ticks [PID]: CPU time the program (or that process) has used so far, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/${1:-$kronvale_pid}/stat"
}
