#!/usr/bin/env bash
# Kronvale as a Wayland client, its own choice though an X server is offered
# beside, as XWayland is. The fourth argument names the desk: sway (the
# default; two outputs, the second at a scale of 2: the window's name, resizing,
# F11, full-screen on either output with its own pixels, the blanking held
# off full-screen only, Escape, a driver the user chose, the screensaver
# started by swayidle on each output, sleep on a hidden workspace, the
# compositor's end); labwc, Raspberry Pi OS's (started from its autostart
# file, asleep while wlopm switches the output off); mutter, GNOME's (the
# title bar it does not draw itself).
. "$(dirname "$0")/lib.sh"
desk=${4:-sway}

# Compositors refuse to run as root: as root, the compositor and the program
# run as nobody, from copies in a folder nobody may use.
if [ "$(id -u)" -eq 0 ]; then
    launch_as=(--reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$work"
    chown nobody "$work"
fi
cp "$KRONVALE" "$(dirname "$KRONVALE")/kronvale-screensaver" "$FRAME_PROBE" "$work/"
KRONVALE=$work/$(basename "$KRONVALE")
FRAME_PROBE=$work/$(basename "$FRAME_PROBE")
session=$work/session
mkdir -m 700 "$session"
[ ${#launch_as[@]} -eq 0 ] || chown nobody "$session"
session_env=(HOME="$work" XDG_RUNTIME_DIR="$session" PATH="$PATH" DBUS_SESSION_BUS_ADDRESS=disabled:)
start_xvfb

# start_desk NAME SOCKET ARGS...: the compositor, run with those variables and
# arguments, once its socket (a pattern) is there; desk_pid is its process,
# and its clients reach it by the socket's name.
start_desk() {
    local name=$1 socket=$2
    shift 2
    setpriv --pdeathsig KILL ${launch_as[@]+"${launch_as[@]}"} -- env -i "${session_env[@]}" "$@" \
        > "$work/$name.log" 2>&1 &
    desk_pid=$!
    launched+=("$desk_pid")
    if ! wait_until 30 eval 'ls "$session"/$socket > /dev/null 2>&1'; then
        echo "FAIL: $name did not start"
        cat "$work/$name.log"
        exit 1
    fi
    session_env+=(WAYLAND_DISPLAY="$(basename "$(ls "$session"/$socket)")")
}


# in_session COMMAND...: a client of the compositor, as the program is one.
in_session() {
    setpriv ${launch_as[@]+"${launch_as[@]}"} -- env -i "${session_env[@]}" "$@"
}

# node FILTER: a jq filter over the program's window in sway's tree;
# on_output: the output it is on.
node() {
    in_session swaymsg -t get_tree |
        jq -r --argjson pid "${kronvale_pid:-0}" "first(.. | objects | select(.pid? == \$pid)) | $1"
}
on_output() {
    in_session swaymsg -t get_tree | jq -r --argjson pid "${kronvale_pid:-0}" \
        'first(.nodes[] | select(any(.. | objects; .pid? == $pid))) | .name'
}
# area: "X Y WIDTH HEIGHT" of the window's content on its output.
area() {
    node '"\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height)"'
}

# Screenshots of one output, in its own pixels.
shot_output=HEADLESS-1
screenshot() {
    in_session grim -t ppm -o "$shot_output" - > "$1"
}

# press KEY CONDITION...: the key, until the program shows it took it (the
# condition, a command, holds within five seconds). A Wayland client takes
# keys only once the keyboard the tool brings is its: the tool waits a
# little before the key, and if the key was lost all the same, again.
press() {
    local key=$1 tries
    shift
    for tries in 1 2 3; do
        in_session wtype -s 300 -k "$key"
        if wait_until 5 "$@"; then
            return 0
        fi
    done
    return 1
}
# mode_is N: full-screen (1) or not (0); is_sized WIDTH HEIGHT: the
# window's content has that size, and is shown.
mode_is() {
    [ "$(node .fullscreen_mode)" = "$1" ]
}
is_sized() {
    [ "$(node '"\(.visible) \(.window_rect.width) \(.window_rect.height)"')" = "true $1 $2" ]
}

# whole_output: "0 0 WIDTH HEIGHT" of the output screenshots are taken of.
whole_output() {
    screenshot "$work/whole.ppm" && echo "0 0 $(sed -n 2p "$work/whole.ppm")"
}

case $desk in
labwc)
    need labwc wlopm grim
    shot_output=HEADLESS-1
    mkdir -p "$work/config/labwc"
    cat > "$work/config/labwc/autostart" << AUTOSTART
KRONVALE_PROBE_FILE=$work/probe LD_PRELOAD=$FRAME_PROBE $KRONVALE fullscreen 0 0 2> $work/stderr &
echo \$! > $work/pid
AUTOSTART
    [ ${#launch_as[@]} -eq 0 ] || chown -R nobody "$work/config"
    start_desk labwc 'wayland-?' XDG_CONFIG_HOME="$work/config" WLR_BACKENDS=headless \
        WLR_HEADLESS_OUTPUTS=1 WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 labwc
    if wait_until 30 test -s "$work/pid" && kronvale_pid=$(cat "$work/pid") && wait_frames 2; then
        # Below the compositor's pointer, which it draws at (100, 100) until
        # a pointer moves, as no pointer here does.
        read -r x y w h < <(whole_output)
        y=$((h / 4)) h=$((h * 3 / 4))
        shows_scene "started from labwc's autostart: full-screen" "$x" "$y" "$w" "$h"
        start_yardstick window 200 200
        in_session wlopm --off '*'
        sleeps "the output switched off by wlopm"
        in_session wlopm --on '*'
        check "switched on, it draws" wait_more_frames 10
        shows_scene "still full-screen" "$x" "$y" "$w" "$h"
    else
        fail "labwc's autostart starts it ($(cat "$work/labwc.log" "$work/stderr" 2> /dev/null))"
    fi
    finish
    ;;
mutter)
    need mutter dbus-daemon
    # Its session bus, which it needs, the compositor's alone.
    setpriv --pdeathsig KILL ${launch_as[@]+"${launch_as[@]}"} -- env -i "${session_env[@]}" \
        dbus-daemon --session --nofork --print-address=3 3> "$work/bus" > /dev/null 2>&1 &
    launched+=("$!")
    wait_until 10 test -s "$work/bus" || { echo "FAIL: no session bus for Mutter"; exit 1; }
    start_desk mutter kronvale-mutter DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")" mutter \
        --headless --wayland --no-x11 --virtual-monitor 800x600 --wayland-display kronvale-mutter
    # What the program asks of the compositor, for the title bar's surfaces.
    launch_env=("${session_env[@]}" DISPLAY="$DISPLAY" WAYLAND_DEBUG=client)
    launch window 320 240
    if wait_frames 20; then
        subsurfaces=$(grep -c 'get_subsurface' "$work/stderr")
        if [ "$subsurfaces" -gt 0 ]; then
            ok "on Mutter, a window on Wayland with a title bar ($subsurfaces surfaces of it)"
        else
            fail "on Mutter, a window on Wayland with a title bar: none drawn ($(grep -v '^\[' "$work/stderr"))"
        fi
    else
        fail "on Mutter, a window draws ($(cat "$work/mutter.log"))"
    fi
    stop_program
    finish
    ;;
esac

need sway swaymsg grim wtype jq swayidle
cat > "$work/sway.config" << 'CONFIG'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0
output HEADLESS-2 resolution 2048x1536 scale 2 position 1024 0
for_window [app_id=".*"] floating enable
default_border none
default_floating_border none
CONFIG
# Its socket for commands comes after the clients'.
start_desk sway 'wayland-?' WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.config"
sway_pid=$desk_pid
wait_until 10 eval 'ls "$session"/sway-ipc.*.sock > /dev/null 2>&1'
session_env+=(SWAYSOCK="$(ls "$session"/sway-ipc.*.sock)")
wayland_display=$(basename "$(ls "$session"/wayland-?)")
client_env=("${session_env[@]}" DISPLAY="$DISPLAY")
launch_env=("${client_env[@]}")

app_id=$(basename "$(ls "$(dirname "$0")"/../../platform/linux/org.*.desktop)" .desktop)
# Windows open on the output in focus, which differs between releases: the first.
in_session swaymsg "focus output HEADLESS-1" > /dev/null

launch window 640 480
if wait_until 30 eval 'is_sized 640 480 2> /dev/null || ended' && running; then
    expect_eq "a window named as the menu entry is, so that docks show its icon" "$app_id" \
        "$(node .app_id)"
    expect_eq "a window does not hold off the desktop's blanking" "false none" \
        "$(node '"\(.inhibit_idle) \(.idle_inhibitors.application)"')"
    read -r x y w h < <(area)
    expect_eq "it is 640 by 480" 640x480 "${w}x$h"
    shows_scene "it shows the scene" "$x" "$y" "$w" "$h"
    in_session swaymsg "[pid=$kronvale_pid] resize set 800 600" > /dev/null
    wait_until 10 is_sized 800 600
    read -r x y w h < <(area)
    expect_eq "resized, it is 800 by 600" 800x600 "${w}x$h"
    shows_scene "resized, the picture follows" "$x" "$y" "$w" "$h"
    press F11 mode_is 1
    expect_eq "F11: full-screen" 1 "$(node .fullscreen_mode)"
    shows_scene "F11: the picture fills the output" 0 0 1024 768
    press F11 mode_is 0
    wait_until 10 is_sized 800 600
    expect_eq "F11 again: the window at its size" "0 800 600" \
        "$(node .fullscreen_mode) $(area | cut -d' ' -f3-)"
    press Escape ended
    wait_exit
    expect_eq "Escape ends it with status 0, saying nothing" "0 " "$exit_status $(stderr_text)"
else
    fail "a window opens ($(stderr_text))"
fi

# fullscreen_on WHAT: full-screen on an output, holding off the desktop's
# blanking, the picture filling its pixels; output is then the one it is on.
# On the output at a scale of 2, the picture is drawn with its own pixels:
# the lines on them, not on pixels the desktop doubles, which would leave
# every square of 2 by 2 of one colour; and in the scene's own colours
# only, not blended as a picture scaled up is.
fullscreen_on() {
    output=
    if wait_until 30 eval 'mode_is 1 2> /dev/null || ended' && running; then
        output=$(on_output)
        expect_eq "$1: full-screen, holding off the blanking" "true enabled" \
            "$(node '"\(.inhibit_idle) \(.idle_inhibitors.application)"')"
        shot_output=$output
        read -r w h < <(in_session swaymsg -t get_outputs |
            jq -r --arg name "$output" '.[] | select(.name == $name) | "\(.current_mode.width) \(.current_mode.height)"')
        shows_scene "$1: the picture fills $output" 0 0 "$w" "$h"
    else
        fail "$1: full-screen ($(stderr_text))"
    fi
    [ "$output" = HEADLESS-2 ] || return
    local kinds
    kinds=$(colours 0 0 "$w" "$h" | wc -w)
    if [ "$mixed" -gt 100 ] && [ "$kinds" -le 32 ]; then
        ok "$1: drawn crisp at a scale of 2 ($mixed squares of 2 by 2 pixels not of one colour, $kinds colours)"
    else
        fail "$1: drawn crisp at a scale of 2: $mixed squares of 2 by 2 pixels not of one colour, $kinds colours"
    fi
}

# Full-screen goes to the library's first output, or to the one
# SDL_VIDEO_FULLSCREEN_DISPLAY names, in the library's order.
launch
fullscreen_on "full-screen"
first=$output
stop_program
launch_env+=(SDL_VIDEO_FULLSCREEN_DISPLAY=1)
launch
fullscreen_on "SDL_VIDEO_FULLSCREEN_DISPLAY=1"
expect_eq "SDL_VIDEO_FULLSCREEN_DISPLAY=1: the other output" "HEADLESS-1 HEADLESS-2" \
    "$(printf '%s\n' "$first" "$output" | sort | tr '\n' ' ' | sed 's/ $//')"
stop_program
# A driver the user chose stands.
launch_env=("${client_env[@]}" SDL_VIDEODRIVER=x11)
launch window 320 240
if find_window > /dev/null; then
    ok "SDL_VIDEODRIVER=x11 stands: a window on the X server beside"
else
    fail "SDL_VIDEODRIVER=x11 stands: a window on the X server beside ($(stderr_text))"
fi
stop_program
launch_env=("${client_env[@]}")

# An idle daemon's screensaver: after a second without input, swayidle
# starts it (through sh, not waiting for it): a Kronvale full-screen on each
# output; a key ends them all.
idle_command="$work/kronvale-screensaver --fullscreen 2> $work/idle.stderr; echo \$? > $work/idle.status"
setpriv --pdeathsig KILL ${launch_as[@]+"${launch_as[@]}"} -- env -i "${client_env[@]}" \
    KRONVALE_PROBE_FILE="$work/probe" LD_PRELOAD="$FRAME_PROBE" \
    swayidle -w timeout 1 "$idle_command" > "$work/swayidle.log" 2>&1 &
idle_pid=$!
launched+=("$idle_pid")
# covered: the outputs a full-screen Kronvale stands on; saver_pid: one of them.
covered() {
    in_session swaymsg -t get_tree | jq -r --arg id "$app_id" '.nodes[] |
        select(any(.. | objects; .app_id? == $id and .fullscreen_mode? == 1)) | .name' | sort | xargs
}
saver_pid() {
    in_session swaymsg -t get_tree | jq -r --arg id "$app_id" \
        'first(.. | objects | select(.app_id? == $id and .fullscreen_mode? == 1)) | .pid'
}
if wait_until 30 eval '[ "$(covered 2> /dev/null)" = "HEADLESS-1 HEADLESS-2" ]'; then
    ok "idle for a second, swayidle's screensaver is full-screen on each output"
    kronvale_pid=$(saver_pid)
    expect_eq "it holds nothing awake, and is named as the menu entry is" "false none $app_id" \
        "$(node '"\(.inhibit_idle) \(.idle_inhibitors.application) \(.app_id)"')"
    shot_output=$(on_output)
    wait_frames 2
    screenshot "$work/idle-1.ppm"
    wait_more_frames 60
    screenshot "$work/idle-2.ppm"
    if cmp -s "$work/idle-1.ppm" "$work/idle-2.ppm"; then
        fail "it tours: two screenshots sixty frames apart are the same"
    else
        ok "it tours: two screenshots sixty frames apart differ"
    fi
    # Its daemon goes first, or it would start another once this one ended.
    kill -TERM "$idle_pid"
    in_session wtype -s 300 -k space
    wait_until "$exit_deadline" test -s "$work/idle.status"
    expect_eq "a key ends them all with status 0, saying nothing" "0 " \
        "$(cat "$work/idle.status" 2> /dev/null) $(cat "$work/idle.stderr")"
    check "and none is left running" nothing_left
else
    fail "idle for a second, swayidle starts the screensaver full-screen on each output: on $(covered) ($(cat "$work/swayidle.log" "$work/idle.stderr" 2> /dev/null))"
fi
kronvale_pid=

# Hidden on another workspace, where a second program draws, it sleeps; shown
# again, it draws on. Then, hidden again, it hears that the compositor ended.
launch window 640 480
if wait_until 30 eval 'is_sized 640 480 2> /dev/null || ended' && running; then
    # A workspace of its own on the window's output, which then shows only that.
    in_session swaymsg "focus output $(on_output); workspace hidden" > /dev/null
    start_yardstick window 320 240
    wait_until 30 eval '[ "$(yardstick_frames)" -ge 2 ]' || fail "the second program draws"
    sleeps "on a hidden workspace"
    in_session swaymsg workspace back_and_forth > /dev/null
    check "shown again, it draws" wait_more_frames 10
    in_session swaymsg workspace hidden > /dev/null
    stops_drawing || fail "hidden again, it stops drawing"
    lost_at=$EPOCHREALTIME
    kill -TERM "$sway_pid"
    wait_exit 2
    took=$(awk -v a="$lost_at" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
    expect_eq "the compositor gone: status 1, one line naming it ($took s)" \
        "1 Display lost: the Wayland compositor $wayland_display went away" \
        "$exit_status $(stderr_text)"
else
    fail "a window opens ($(stderr_text))"
fi

finish
