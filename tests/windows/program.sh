#!/usr/bin/env bash
# kronvale.exe from the zip, as a Windows user gets it: what the zip holds,
# what the program needs of Windows, its icon, and the program itself under
# Wine: a window, the scene, Escape, the bad first word's box, and a display
# that cannot open, whose line lands in stderr.txt beside the program.
. "$(dirname "$0")/lib.sh"
prefix=x86_64-w64-mingw32

expect_eq "the zip holds the programs, SDL, the README and the licences" \
    "LICENSE-SDL.txt LICENSE-gcc-runtime.txt LICENSE-mingw-w64.txt LICENSE.txt README.txt SDL.dll kronvale.exe kronvale.scr" \
    "$(cd "$folder" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
if grep -q 'stderr\.txt' "$folder/README.txt" && grep -q 'Install' "$folder/README.txt" &&
    grep -q "libsdl1.2, version 1\.2\.15" "$folder/README.txt" && ! grep -q '@' "$folder/README.txt"; then
    ok "README.txt says where failures go, how to install the screensaver and which SDL it is"
else
    fail "README.txt says where failures go, how to install the screensaver and which SDL it is"
fi
check "README.txt has Windows line ends" [ "$(grep -c $'\r$' "$folder/README.txt")" = "$(wc -l < "$folder/README.txt")" ]

# A bare Windows has its system libraries and nothing of the compiler's.
# The screensaver paints its windows black until it draws (GDI32), and
# keeps its settings in the registry (ADVAPI32).
for needs in "kronvale.exe:GLU32.dll KERNEL32.dll OPENGL32.dll SDL.dll USER32.dll msvcrt.dll" \
    "kronvale.scr:ADVAPI32.dll GDI32.dll GLU32.dll KERNEL32.dll OPENGL32.dll SDL.dll USER32.dll msvcrt.dll"; do
    program=${needs%%:*}
    headers=$($prefix-objdump -p "$folder/$program")
    expect_eq "$program is a 64-bit Windows GUI program" "yes" \
        "$(grep -q 'Magic.*020b' <<< "$headers" && grep -q 'Subsystem.*(Windows GUI)' <<< "$headers" && echo yes)"
    expect_eq "$program needs only Windows' own libraries and SDL.dll" "${needs#*:}" \
        "$(awk '/DLL Name:/ { print $3 }' <<< "$headers" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
done

# The resources read back from the program itself.
resources=$($prefix-windres -J coff -i "$folder/kronvale.exe" -O rc 2> /dev/null)
if grep -q '^"ICON" 14 /\* RT_GROUP_ICON \*/' <<< "$resources" &&
    grep -q 'Has 1 elements\. *\*/' <<< "$resources" &&
    grep -q '"\\060\\060\\000\\000", 1, 24,' <<< "$resources"; then
    ok "kronvale.exe holds the icon group ICON with one 48 by 48 image at 24 bits"
else
    fail "kronvale.exe holds the icon group ICON with one 48 by 48 image at 24 bits"
    sed -n '/RT_GROUP_ICON/,/END/p' <<< "$resources"
fi
expect_eq "and no other resources" "group icon icon" \
    "$(sed -n 's|^/\* Type: \(.*\)$|\1|p' <<< "$resources" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
resources=$($prefix-windres -J coff -i "$folder/kronvale.scr" -O rc 2> /dev/null)
if grep -q '^"ICON" 14 /\* RT_GROUP_ICON \*/' <<< "$resources" && grep -q '^  1, "Kronvale"$' <<< "$resources"; then
    ok "kronvale.scr has the icon and is listed as Kronvale"
else
    fail "kronvale.scr has the icon and is listed as Kronvale"
fi

start_xvfb

launch_windows kronvale.exe window 640 480
if window=$(find_windows_window Kronvale); then
    ok "a window captioned Kronvale opens"
    expect_eq "it is 640 by 480" 640x480 "$(geometry "$window" | cut -d+ -f1)"
    IFS=x+ read -r _ _ x y <<< "$(geometry "$window")"
    shows_scene "it shows the scene" "$x" "$y" 640 480
    convert "$work/screen.ppm" "$work/window.png"
    press_key "$window" Escape
    expect_eq "Escape ends it with status 0" 0 "$exit_status"
    expect_eq "and it leaves no stderr.txt or stdout.txt" "" "$(cd "$folder" && ls std*.txt 2> /dev/null)"
else
    fail "a window captioned Kronvale opens"
fi

launch_windows kronvale.exe bogus
if box=$(find_windows_window Error); then
    ok "a bad first word shows a box titled Error"
    expect_eq "with the message" \
        "First parameter was not either lowercase 'fullscreen' or 'window' (no quotes), ignored." \
        "$(box_text Error)"
    press_ok "$box"
    window=$(find_window_at 1024x768+0+0)
    if [ -n "$window" ]; then
        ok "after OK, start-up goes on full-screen at 1024 by 768"
        shows_scene "showing the scene" 0 0 1024 768
        convert "$work/screen.ppm" "$work/fullscreen.png"
        press_key 1024x768+0+0 Escape
        expect_eq "Escape ends it with status 0" 0 "$exit_status"
    else
        fail "after OK, start-up goes on full-screen at 1024 by 768"
    fi
    expect_eq "the message is also the line in stderr.txt" \
        "First parameter was not either lowercase 'fullscreen' or 'window' (no quotes), ignored."$'\r' \
        "$(stderr_file)"
else
    fail "a bad first word shows a box titled Error"
fi

launch_windows kronvale.exe window -5 -5
wait_exit 30
expect_eq "a display that cannot open ends it with status 1" 1 "$exit_status"
expect_eq "and the line in stderr.txt beside the program" \
    "Video mode set failed: Invalid width or height"$'\r' "$(stderr_file)"
# The options are read on Windows too: a --night that is no FROM-TO is refused.
launch_windows kronvale.exe --12-hour window 320 240 --night 7
wait_exit 30
expect_eq "--night 7: status 2, and the line in stderr.txt" \
    "2 kronvale: --night takes FROM-TO, two whole hours of the clock from 0 to 23 (--night 22-7), not '7'"$'\r' \
    "$exit_status $(stderr_file)"

# scene_in WHAT WINDOW: the scene fills the window as it is now.
scene_in() {
    local w h x y
    IFS=x+ read -r w h x y <<< "$(geometry "$2")"
    shows_scene "$1: the scene fills ${w}x$h" "$x" "$y" "$w" "$h"
}

# On a desktop: the window carries the icon, resizes with the scene filling
# it (the new mode costs the OpenGL context, and the labels are built again),
# and F11 goes full-screen and back.
start_window_manager
launch_windows kronvale.exe window 640 480
if window=$(find_windows_window Kronvale); then
    expect_eq "the window carries the icon" "Icon (48 x 48):" \
        "$(xprop -id "$window" _NET_WM_ICON | sed -n 's/^_NET_WM_ICON(CARDINAL) = \t//p')"
    scene_in "opened" "$window"
    xdotool windowsize "$window" 900 500
    wait_until 15 eval '[ "$(geometry "$window" | cut -d+ -f1)" = 900x500 ]'
    scene_in "resized" "$window"
    focus "$window"
    xdotool key F11
    wait_until 15 eval '[ "$(geometry "$window")" = 1024x768+0+0 ]'
    scene_in "F11: full-screen" "$window"
    focus "$window"
    xdotool key F11
    wait_until 15 eval '[ "$(geometry "$window" | cut -d+ -f1)" = 900x500 ]'
    scene_in "F11 again: the window at its size" "$window"
    press_key "$window" Escape
    expect_eq "Escape ends it with status 0" 0 "$exit_status"
else
    fail "a window opens under a window manager"
fi

if [ -n "${KRONVALE_SCREENSHOTS:-}" ]; then
    cp "$work"/*.png "$KRONVALE_SCREENSHOTS"/ 2> /dev/null
fi
finish
