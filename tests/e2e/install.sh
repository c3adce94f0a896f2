#!/usr/bin/env bash
# Installing into a prefix: every file where a Linux desktop looks for it,
# the menu entry, metadata and manual page valid, the installed program
# running, and uninstalling removing it all again.
. "$(dirname "$0")/lib.sh"

build=$(cd "$(dirname "$KRONVALE")" && pwd)
prefix=$work/prefix
id=org.kronvale.Kronvale

for tool in desktop-file-validate appstreamcli groff mandoc identify xmllint; do
    if ! command -v "$tool" > /dev/null 2>&1; then
        echo "FAIL: $tool is missing; run the test command (make test) to install it"
        exit 1
    fi
done

if cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    ok "cmake --install into a prefix"
else
    fail "cmake --install into a prefix"
    cat "$work/install.log"
    finish
fi

for file in bin/kronvale bin/kronvale-screensaver share/xscreensaver/config/kronvale-screensaver.xml \
    share/applications/screensavers/kronvale-screensaver.desktop share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man6/kronvale.6; do
    if [ -f "$prefix/$file" ]; then
        ok "installs $file"
    else
        fail "installs $file"
    fi
done
if [ -x "$prefix/bin/kronvale" ]; then
    ok "the program is executable"
else
    fail "the program is executable"
fi

desktop=$prefix/share/applications/$id.desktop
if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
    ok "desktop-file-validate passes"
else
    fail "desktop-file-validate passes: $out"
fi
expect_eq "the menu entry starts a window" "kronvale window" "$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)"
expect_eq "it is a clock among the utilities" "Utility;Clock;" "$(sed -n 's/^Categories=//p' "$desktop")"
expect_eq "it names the installed icon" "$id" "$(sed -n 's/^Icon=//p' "$desktop")"
expect_eq "its second action is full-screen" "kronvale fullscreen 0 0" \
    "$(sed -n '/^\[Desktop Action fullscreen\]/,$ s/^Exec=//p' "$desktop")"

if out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1); then
    ok "appstreamcli validate passes"
else
    fail "appstreamcli validate passes: $out"
fi

module=$prefix/share/xscreensaver/config/kronvale-screensaver.xml
if xmllint --noout "$module" 2> /dev/null; then
    ok "the screensaver module description is well-formed XML"
else
    fail "the screensaver module description is well-formed XML"
fi
expect_eq "it names the launcher" kronvale-screensaver \
    "$(xmllint --xpath 'string(/screensaver/@name)' "$module" 2> /dev/null)"
expect_eq "and runs it on the screensaver's window" --root \
    "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$module" 2> /dev/null)"
expect_eq "the screensaver entry runs the launcher" "kronvale-screensaver --root" \
    "$(sed -n 's/^Exec=//p' "$prefix/share/applications/screensavers/kronvale-screensaver.desktop")"

man=$prefix/share/man/man6/kronvale.6
if out=$(groff -ww -man -z "$man" 2>&1) && [ -z "$out" ]; then
    ok "the manual page formats without a warning"
else
    fail "the manual page formats without a warning: $out"
fi
if out=$(mandoc -T lint -W warning "$man" 2>&1); then
    ok "the manual page lints clean"
else
    fail "the manual page lints clean: $out"
fi
text=$(mandoc -T utf8 "$man" 2> /dev/null | sed 's/.\x08//g' | tr -s ' \n' '  ')
for needle in "fullscreen" "window" "Escape" "Button 1" "Button 3" "Space" "EXIT STATUS" \
    "Video initialization failed:" "Video mode set failed:" \
    "First parameter was not either lowercase 'fullscreen' or 'window' (no quotes), ignored."; do
    case $text in
    *"$needle"*) ok "the manual page tells of $needle" ;;
    *) fail "the manual page tells of $needle" ;;
    esac
done

expect_eq "the installed icon is 48 by 48" "PNG 48x48" \
    "$(identify -format '%m %wx%h' "$prefix/share/icons/hicolor/48x48/apps/$id.png")"

# The installed program itself, on a private X server.
start_xvfb
KRONVALE=$prefix/bin/kronvale
launch window 320 240
if win=$(find_window); then
    expect_eq "the installed program opens 320 by 240" 320x240 "$(geometry "$win" | cut -d+ -f1)"
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    mostly_white "it draws the scene" "$x" "$y" "$w" "$h"
    xdotool mousemove $((x + 10)) $((y + 10))
    xdotool windowfocus "$win"
    xdotool key Escape
    wait_exit 2
    expect_eq "it quits on Escape with status 0" 0 "$exit_status"
else
    fail "the installed program opens a window ($(stderr_text))"
fi

if cmake --build "$build" --target uninstall > "$work/uninstall.log" 2>&1; then
    ok "the uninstall target runs"
else
    fail "the uninstall target runs"
    cat "$work/uninstall.log"
fi
left=$(find "$prefix" -type f | sed "s|^$prefix/||")
expect_eq "uninstalling leaves no file behind" "" "$left"
finish
