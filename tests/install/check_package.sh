#!/usr/bin/env bash
# Builds the Debian package of a build tree, checks what it holds and needs,
# unpacks it into a temporary root (never into this machine) and starts the
# unpacked program as a normal user, who must get a data store in their home.
# Usage: check_package.sh <build dir>
set -euo pipefail
build="$1"
work="$(mktemp -d)"
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" \
    || { cat "$work/cpack.log"; fail "cpack did not build a package"; }
deb="$(ls "$work"/package/*.deb)"
info="$(dpkg-deb -I "$deb")"
echo "$info" | grep -E '^ Package: duetide$' > /dev/null || fail "the package is not named duetide"
depends="$(echo "$info" | grep -E '^ Depends:')" || fail "the package declares no dependencies"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/duetide usr/share/applications/org.duetide.Duetide.desktop \
            usr/share/icons/hicolor/scalable/apps/org.duetide.Duetide.svg \
            usr/share/metainfo/org.duetide.Duetide.metainfo.xml; do
    [ -e "$root/$file" ] || fail "the package lacks $file"
done
desktop-file-validate "$root/usr/share/applications/org.duetide.Duetide.desktop" \
    || fail "the desktop file does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.duetide.Duetide.metainfo.xml" \
    > "$work/appstream.log" || { cat "$work/appstream.log"; fail "the metainfo does not validate"; }

# A normal user (nobody) with a home of their own; the program sits under
# usr/bin, far from any home folder, and cannot write at the top of the volume.
home="$work/home"
mkdir -p "$home"
chown 65534:65534 "$home"
chmod 755 "$work"
cp "${XAUTHORITY:-/dev/null}" "$work/Xauthority" 2>/dev/null || true
chmod 644 "$work/Xauthority" 2>/dev/null || true
setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$home" XAUTHORITY="$work/Xauthority" QT_QPA_PLATFORM=xcb \
    ASAN_OPTIONS=detect_leaks=0 "$root/usr/bin/duetide" &
pid=$!
store="$home/Ferrowind/Duetide"
for _ in $(seq 200); do
    [ -f "$store/Projects.txt" ] && xdotool search --onlyvisible --name '^Buttons$' > /dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || fail "the unpacked program ended early"
    sleep 0.1
done
[ -f "$store/Projects.txt" ] || fail "no data store in the user's home folder"
[ "$(cat "$store/Projects.txt")" = "0" ] || fail "a new store's Projects.txt does not hold 0"
[ "$(stat -c %u "$store")" = "65534" ] || fail "the store does not belong to the user"
xdotool search --onlyvisible --name '^Buttons$' > /dev/null || fail "the button bar did not appear"
echo "1 passed, 0 failed"
