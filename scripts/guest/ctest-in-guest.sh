#!/bin/bash
# Inside the test guest: ctest over a Windows build tree of the work share.
#   scripts/guest/ctest-in-guest.sh ctest --preset PRESET [CTEST ARGS...]
# Wine maps programs and DLLs into memory, and pages mapped over the 9p share
# read as zeros. So the build tree, less its objects and libraries, is copied
# onto the guest's own memory and mounted over its own path; what the run
# writes there goes back to the share at the end. One Xvfb and one wineserver
# serve the whole run.
set -u
preset=""
previous=""
for arg in "$@"; do
  [ "$previous" = --preset ] && preset=$arg
  previous=$arg
done
build="$PWD/build/$preset"
[ -d "$build" ] || { echo "guest: no build tree $build" >&2; exit 2; }

stage=/tmp/stage/$preset
mkdir -p "$stage"
tar -C "$build" --exclude=CMakeFiles --exclude='*.a' --exclude='*.obj' --exclude='*wineprefix*' -cf - . \
  | tar -C "$stage" -xf -
touch /tmp/stage/copied
mount --bind "$stage" "$build"

Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:7
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A server that stays: each later program then starts in seconds, not tens.
wineserver -f -p >/dev/null 2>&1 &
wine cmd /c exit >/dev/null 2>&1
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X7 ] && break; sleep 0.1; done

"$@"
rc=$?

wineserver -k
wineserver -w
kill "$xvfb" 2>/dev/null
umount "$build"
(cd "$stage" && find . -type f -newer /tmp/stage/copied -print0 | tar --null -T - -cf -) | tar -C "$build" -xf -
exit $rc
