#!/usr/bin/env bash
# Installing as a user does: what `make run` builds installs into a prefix,
# every file where a Linux desktop looks for it, the menu entry, metadata and
# manual page valid, the installed program running, and uninstalling
# removing it all again; then `make deb`'s package: its files, its
# dependencies, lintian, and installing, running and removing it. All from
# the tests' own build folder, which the commands configure one way: the
# list of what was installed, which uninstall reads, is put back as it was.
. "$(dirname "$0")/lib.sh"

source_dir=$kronvale_root
build=$(cd "$(dirname "$KRONVALE")" && pwd)
prefix=$work/prefix
id=org.kronvale.Kronvale
version=$(kronvale_version)
need desktop-file-validate appstreamcli groff mandoc xmllint lintian dpkg-deb

manifest=$build/install_manifest.txt
if [ -f "$manifest" ]; then
    cp "$manifest" "$work/manifest"
    trap 'cp "$work/manifest" "$manifest"; cleanup' EXIT
else
    trap 'rm -f "$manifest"; cleanup' EXIT
fi

# run_installed PROGRAM WHAT: the program opens a window, draws and quits on Escape.
run_installed() {
    KRONVALE=$1
    launch window 320 240
    if win=$(find_window); then
        expect_eq "$2 opens 320 by 240" 320x240 "$(geometry "$win" | cut -d+ -f1)"
        # Docks tell the window belongs to the menu entry by its class.
        expect_eq "$2: its window's class is the menu entry's StartupWMClass" \
            "$(sed -n 's/^StartupWMClass=//p' "$source_dir/platform/linux/$id.desktop")" \
            "$(xprop -id "$win" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')"
        read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
        shows_scene "$2 draws the scene" "$x" "$y" "$w" "$h"
        xdotool mousemove $((x + 10)) $((y + 10))
        quits_on_escape "$2" "$win"
    else
        fail "$2 opens a window ($(stderr_text))"
    fi
}

# What `make run` builds, here without starting the clock.
if KRONVALE_BUILD_DIR=$build "$source_dir/scripts/run" --version > "$work/run.log" 2>&1; then
    expect_eq "make run's build starts the program" "kronvale $version" "$(tail -n 1 "$work/run.log")"
else
    fail "make run's build"
    tail -n 30 "$work/run.log"
    finish
fi

if cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    ok "after make run, cmake --install into a prefix"
else
    fail "after make run, cmake --install into a prefix"
    cat "$work/install.log"
    finish
fi

installed_files="bin/kronvale bin/kronvale-screensaver
share/applications/$id.desktop
share/applications/screensavers/kronvale-screensaver.desktop
share/doc/kronvale/LICENSE
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man6/kronvale.6
share/metainfo/$id.metainfo.xml
share/xscreensaver/config/kronvale-screensaver.xml"
expect_eq "it installs these files and no others" "$(echo $installed_files | tr ' ' '\n' | sort)" \
    "$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)"
if [ -x "$prefix/bin/kronvale" ] && [ -x "$prefix/bin/kronvale-screensaver" ]; then
    ok "the programs are executable"
else
    fail "the programs are executable"
fi

desktop=$prefix/share/applications/$id.desktop
if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
    ok "desktop-file-validate passes"
else
    fail "desktop-file-validate passes: $out"
fi
expect_eq "it names the installed icon" "$id" "$(sed -n 's/^Icon=//p' "$desktop")"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    ok "appstreamcli validate passes"
else
    fail "appstreamcli validate passes: $out"
fi
expect_eq "the metainfo's release is this version" "$version" \
    "$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")"

module=$prefix/share/xscreensaver/config/kronvale-screensaver.xml
check "the screensaver module description is well-formed XML" xmllint --noout "$module" 2> /dev/null

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
case "$(mandoc -T utf8 "$man" 2> /dev/null | sed 's/.\x08//g' | tr -s ' \n' '  ')" in
*"Kronvale $version"*) ok "the manual page is of this version" ;;
*) fail "the manual page is of this version" ;;
esac

# The installed program itself, on a private X server.
start_xvfb
run_installed "$prefix/bin/kronvale" "the program installed into the prefix"

if cmake --build "$build" --target uninstall > "$work/uninstall.log" 2>&1; then
    ok "the uninstall target runs"
else
    fail "the uninstall target runs"
    cat "$work/uninstall.log"
fi
expect_eq "uninstalling leaves no file behind" "" "$(find "$prefix" -type f | sed "s|^$prefix/||")"

# The Debian package, from the same tree.
listed=$(cat "$manifest" 2> /dev/null)
if package=$(KRONVALE_BUILD_DIR=$build "$source_dir/scripts/deb" 2> "$work/deb.log" | tail -n 1) &&
    [ -f "$package" ]; then
    ok "make deb writes $(basename "$package")"
else
    fail "make deb writes a package"
    cat "$work/deb.log"
    finish
fi
expect_eq "it is named by name, version and architecture" \
    "kronvale_${version}_$(dpkg --print-architecture).deb" "$(basename "$package")"
expect_eq "it leaves the list uninstall reads alone" "$listed" "$(cat "$manifest" 2> /dev/null)"
# Under /usr what the prefix got, with Debian's own spellings of a few.
packaged_files=$(echo $installed_files | tr ' ' '\n' | sed 's|^|/usr/|; s|/usr/share/man/man6/kronvale.6|&.gz|; /doc\/kronvale\/LICENSE/d')
packaged_files="$packaged_files
/usr/share/doc/kronvale/changelog.gz
/usr/share/doc/kronvale/copyright
/usr/share/man/man6/kronvale-screensaver.6.gz"
expect_eq "it holds every installed file under /usr, and no others" \
    "$(echo "$packaged_files" | sort)" \
    "$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\.||' | sort)"
expect_eq "XScreenSaver finds the description where it looks" \
    /usr/share/xscreensaver/config/kronvale-screensaver.xml \
    "$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\.||' | grep 'xscreensaver/config/')"
if dpkg-deb -f "$package" Description | grep -q "interactive 3D clock"; then
    ok "it describes itself"
else
    fail "it describes itself"
fi
if dpkg-deb --fsys-tarfile "$package" | tar -xOf - ./usr/share/doc/kronvale/copyright |
    grep -q "^License: MIT"; then
    ok "its copyright file names the MIT licence"
else
    fail "its copyright file names the MIT licence"
fi
if out=$(lintian --no-tag-display-limit "$package" 2>&1 | grep '^E:'); then
    fail "lintian reports no errors: $out"
else
    ok "lintian reports no errors"
fi

# Every library the programs load, and the GLX library SDL opens itself, must
# come with a package the package depends on.
depends=$(dpkg-deb -f "$package" Depends)
dpkg-deb -x "$package" "$work/unpacked"
needed=$(for program in "$work/unpacked/usr/bin/"*; do
    objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'
done | sort -u)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for library in $needed libGL.so.1; do
    owner=$(dpkg -S "*/$multiarch/$library" 2> /dev/null | head -n 1 | cut -d: -f1)
    case ", $depends," in
    *", $owner "* | *", $owner,"* | *"| $owner,"* | *"| $owner "* | *" $owner |"*) ok "it depends on $owner, for $library" ;;
    *) fail "it depends on the package of $library (${owner:-none found}): $depends" ;;
    esac
done

case $depends in
*"libdecor-0-plugin-1"*) ok "it brings a title bar where the desktop draws none (libdecor's plugin)" ;;
*) fail "it brings a title bar where the desktop draws none (libdecor's plugin): $depends" ;;
esac

# Installed with apt as a user would, run, removed. That changes the machine,
# so only where this test may: as root, and not over an install of the user's.
install_run_remove() {
    apt_get "apt-get install ./$(basename "$package")" install "$package"
    owned=$(dpkg -L kronvale 2> /dev/null)
    missing=
    for file in $packaged_files; do
        [ -e "$file" ] || missing="$missing $file"
    done
    expect_eq "every file is in place" "" "$missing"
    run_installed /usr/bin/kronvale "the program installed from the package"
    apt_get "apt-get purge kronvale" purge kronvale
    left=
    for file in $owned; do
        [ -f "$file" ] || [ -L "$file" ] && left="$left $file"
    done
    expect_eq "removing it leaves none of its files" "" "$left"
    if kronvale_installed; then fail "and the package is gone"; else ok "and the package is gone"; fi
}
with_packages_held install_run_remove

finish
