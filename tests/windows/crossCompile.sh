#!/usr/bin/env bash
# The Windows side, built with the mingw-w64 cross compiler: the platform file
# compiles cleanly and calls the Windows functions it is meant to, the
# resource script gives the icon group named ICON with one 48 by 48 image at
# 24 bits, and both link into a Windows program.
set -u
source_dir=${1:?usage: crossCompile.sh SOURCE-DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../checks.sh"

prefix=x86_64-w64-mingw32
for tool in $prefix-g++ $prefix-windres $prefix-nm; do
    if ! command -v "$tool" > /dev/null; then
        echo "FAIL: $tool is missing; run the test command (make test) to install it"
        exit 1
    fi
done

for file in win32 win32Clock; do
    if $prefix-g++ -std=c++17 -Wall -Wextra -Werror -ffp-contract=off -I"$source_dir" \
        -c "$source_dir/platform/$file.cpp" -o "$work/$file.o" 2> "$work/cc.log"; then
        ok "platform/$file.cpp compiles without a warning"
    else
        fail "platform/$file.cpp compiles without a warning"
        cat "$work/cc.log"
    fi
done
imports=$($prefix-nm "$work/win32.o" "$work/win32Clock.o" 2> /dev/null | awk '$1 == "U" && $2 ~ /^__imp_/ { sub("__imp_", "", $2); print $2 }' | sort | tr '\n' ' ')
for function in GetLocalTime MessageBoxA ShowCursor; do
    case " $imports" in
    *" $function "*) ok "it calls $function" ;;
    *) fail "it calls $function (it imports: $imports)" ;;
    esac
done

if $prefix-windres -I "$source_dir/platform" "$source_dir/platform/kronvale.rc" -O coff \
    -o "$work/resources.o" 2> "$work/rc.log" &&
    $prefix-windres -I "$source_dir/platform" "$source_dir/platform/kronvale.rc" -O res \
        -o "$work/resources.res" 2>> "$work/rc.log"; then
    ok "the resource script compiles"
else
    fail "the resource script compiles"
    cat "$work/rc.log"
fi
# Read the compiled resources back as a script.
$prefix-windres -i "$work/resources.res" -O rc > "$work/back.rc" 2> /dev/null
if grep -q '^"ICON" 14 /\* RT_GROUP_ICON \*/' "$work/back.rc"; then
    ok "the icon group is named ICON"
else
    fail "the icon group is named ICON"
fi
if grep -q 'Has 1 elements\. *\*/' "$work/back.rc" &&
    grep -q '"\\060\\060\\000\\000", 1, 24,' "$work/back.rc"; then
    ok "it holds one 48 by 48 image at 24 bits"
else
    fail "it holds one 48 by 48 image at 24 bits"
    sed -n '/RT_GROUP_ICON/,/END/p' "$work/back.rc"
fi

cat > "$work/main.cpp" << 'PROGRAM'
#include "platform/platform.h"
int main() {
    const TimeOfDay now = readLocalTime();
    if (now.hour > 23) {
        showMessageBox("Error", "no such hour");
    }
    hidePointer();
    return 0;
}
PROGRAM
if $prefix-g++ -std=c++17 -I"$source_dir" "$work/main.cpp" "$work/win32.o" "$work/win32Clock.o" "$work/resources.o" \
    -static -o "$work/kronvale-platform.exe" 2> "$work/link.log"; then
    ok "the platform file and the icon link into a Windows program"
else
    fail "the platform file and the icon link into a Windows program"
    cat "$work/link.log"
fi

finish
