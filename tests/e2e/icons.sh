#!/usr/bin/env bash
# The icon files kept in the repository: drawn again they come out the same,
# and they have the sizes and depth the desktops and Windows expect.
set -u
source_dir=${1:?usage: icons.sh SOURCE-DIR MAKE-ICON}
make_icon=${2:?usage: icons.sh SOURCE-DIR MAKE-ICON}
icons=$source_dir/platform/icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/checks.sh"
# Unsigned integers from a file at a byte offset.
u8() { od -An -tu1 -j "$2" -N 1 "$1" | tr -d ' '; }
u16le() { echo $(($(u8 "$1" "$2") + 256 * $(u8 "$1" $(($2 + 1))))); }
u32le() { echo $(($(u16le "$1" "$2") + 65536 * $(u16le "$1" $(($2 + 2))))); }
u32be() { echo $(((($(u8 "$1" "$2") * 256 + $(u8 "$1" $(($2 + 1)))) * 256 + $(u8 "$1" $(($2 + 2)))) * 256 + $(u8 "$1" $(($2 + 3))))); }

if "$make_icon" "$work"; then
    for file in kronvale.png kronvale.svg kronvale.ico kronvaleIcon.inc; do
        if cmp -s "$work/$file" "$icons/$file"; then
            ok "$file is what the icon program draws"
        else
            fail "$file is what the icon program draws (run scripts/make-icon)"
        fi
    done
else
    fail "the icon program runs"
fi

png=$icons/kronvale.png
expect_eq "the PNG signature" "137 80 78 71" "$(od -An -tu1 -N 4 "$png" | xargs)"
expect_eq "the PNG is 48 by 48" "48x48" "$(u32be "$png" 16)x$(u32be "$png" 20)"
expect_eq "the PNG is 8-bit RGB (24 bits a pixel)" "8 2" "$(u8 "$png" 24) $(u8 "$png" 25)"
if command -v identify > /dev/null; then
    expect_eq "the PNG decodes at 48 by 48" "48x48" "$(identify -format '%wx%h' "$png")"
fi

ico=$icons/kronvale.ico
expect_eq "the ICO is an icon file with exactly one image" "0 1 1" \
    "$(u16le "$ico" 0) $(u16le "$ico" 2) $(u16le "$ico" 4)"
expect_eq "its entry is 48 by 48 at 24 bits, no palette" "48 48 0 1 24" \
    "$(u8 "$ico" 6) $(u8 "$ico" 7) $(u8 "$ico" 8) $(u16le "$ico" 10) $(u16le "$ico" 12)"
offset=$(u32le "$ico" 18)
bytes=$(u32le "$ico" 14)
expect_eq "its image fills the rest of the file" "$(stat -c %s "$ico")" "$((offset + bytes))"
expect_eq "the bitmap is 48 wide, 48 high with its mask, 24 bits, uncompressed" "40 48 96 1 24 0" \
    "$(u32le "$ico" "$offset") $(u32le "$ico" $((offset + 4))) $(u32le "$ico" $((offset + 8))) $(u16le "$ico" $((offset + 12))) $(u16le "$ico" $((offset + 14))) $(u32le "$ico" $((offset + 16)))"
expect_eq "colours and mask take exactly the image's bytes" "$bytes" "$((40 + 48 * 48 * 3 + 48 * 8))"

svg=$icons/kronvale.svg
check "the SVG is drawn on a 48 by 48 canvas" grep -q '<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">' "$svg"
check "the SVG is well-formed XML" xmllint --noout "$svg"

finish
