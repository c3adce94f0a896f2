#!/usr/bin/env bash
# A soak with random real input: pointer motion anywhere (outside the window
# too), presses and releases of buttons 1 to 5, space, focus moving away and
# back; frames checked along the way, memory compared between the frame
# where the program has settled and at least as many frames later, then
# Escape. SOAK_SECONDS sets the least length (default 10), SOAK_SEED the
# input's seed.
. "$(dirname "$0")/lib.sh"
start_xvfb

seconds=${SOAK_SECONDS:-10}
RANDOM=${SOAK_SEED:-20261207}
echo "soak of $seconds s with seed ${SOAK_SEED:-20261207}"

# What the program keeps it has made within its first 400 frames, however
# long a busy machine takes to draw them; from then on the allocator's own
# ups and downs are well under a MiB.
settled=400
compare_memory=yes
if ldd "$KRONVALE" | grep -q libasan; then
    # The sanitizer's own quarantine and shadow memory come and go by the hundred MiB.
    compare_memory=
fi

resident_kib() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$kronvale_pid/status" 2> /dev/null
}

launch window 800 600
if ! win=$(find_window); then
    fail "window 800 600 opens a display ($(stderr_text))"
    finish
fi
read -r w h x y < <(geometry "$win" | tr 'x+' '  ')

# Another window to hand the focus to.
setpriv --pdeathsig KILL -- xmessage -geometry +0+0 "elsewhere" > /dev/null 2>&1 &
other_pid=$!
launched+=("$other_pid")
other=
wait_until 30 eval 'other=$(xdotool search --onlyvisible --classname xmessage 2> /dev/null | head -n 1); [ -n "$other" ]' ||
    fail "another window to hand the focus to"

start=$(date +%s.%N)
elapsed() { awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { print n - s }'; }
before=
next_shot=2
shots=0
bad_shots=0
actions=0
held=()
# soaking: the least length has not passed, or the memory to compare is not
# yet in: until then, and for at most two minutes.
soaking() {
    awk -v e="$(elapsed)" -v s="$seconds" -v more="$1" 'BEGIN { exit !(e < 120 && (e < s || more)) }'
}
while soaking "$([ -n "$compare_memory" ] && [ "$(frames)" -lt $((${before_frames:-$settled} + settled)) ] && echo more)"; do
    case $((RANDOM % 10)) in
    0 | 1 | 2 | 3) xdotool mousemove $((RANDOM % 1024)) $((RANDOM % 768)) ;;
    4 | 5)
        button=$((RANDOM % 5 + 1))
        xdotool mousedown "$button"
        held+=("$button")
        ;;
    6 | 7)
        if [ ${#held[@]} -gt 0 ]; then
            xdotool mouseup "${held[0]}"
            held=("${held[@]:1}")
        fi
        ;;
    8) xdotool key space ;;
    9)
        if [ -n "$other" ] && [ $((RANDOM % 2)) -eq 0 ]; then
            xdotool windowfocus "$other" 2> /dev/null
        else
            xdotool windowfocus "$win" 2> /dev/null
        fi
        ;;
    esac
    actions=$((actions + 1))
    sleep 0.0$((RANDOM % 5))
    now=$(elapsed)
    if [ -z "$before" ] && [ "$(frames)" -ge "$settled" ]; then
        before_frames=$(frames)
        before=$(resident_kib)
    fi
    if awk -v e="$now" -v n="$next_shot" 'BEGIN { exit !(e >= n) }'; then
        next_shot=$((next_shot + 2))
        shots=$((shots + 1))
        if ! running; then
            break
        fi
        measure "$x" "$y" "$w" "$h"
        if [ "$white" -le $((pixels / 2)) ] || [ "$pixels" -ne $((w * h)) ]; then
            bad_shots=$((bad_shots + 1))
            echo "screenshot $shots: $white of $pixels pixels white"
        fi
    fi
done
for button in ${held[@]+"${held[@]}"}; do
    xdotool mouseup "$button"
done
after=$(resident_kib)
after_frames=$(frames)

if running; then
    ok "it ran through $actions random actions"
else
    fail "it ran through the random input (ended after $actions actions: $(stderr_text))"
    finish
fi
expect_eq "every screenshot along the way shows a frame on white ($shots taken)" 0 "$bad_shots"
memory="${before:-?} KiB after ${before_frames:-?} frames, ${after:-?} KiB after $after_frames"
if [ -z "$compare_memory" ]; then
    echo "resident memory: $memory (not compared under AddressSanitizer)"
elif [ -n "$before" ] && [ -n "$after" ] && [ $((after_frames - before_frames)) -ge "$settled" ] &&
    [ $((after - before)) -le 2048 ] && [ $((before - after)) -le 2048 ]; then
    ok "resident memory stays within 2 MiB: $memory"
else
    fail "resident memory stays within 2 MiB: $memory"
fi

focus "$win"
xdotool mousemove $((x + w / 2)) $((y + h / 2))
xdotool key Escape
wait_exit
expect_eq "Escape then ends it with status 0" 0 "$exit_status"
expect_eq "nothing on standard error" "" "$(stderr_text)"
finish
