#!/bin/bash
# Runs inside the guest once, while its image is built: the Wine prefix that
# every boot then starts from, and no crash dialog (under Xvfb it would wait
# for a click that never comes).
set -eu
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The first start of a prefix waits at most five minutes for Wine's boot. On a
# software CPU that shares a loaded machine it can take longer: the start then
# fails, while what it began goes on. Let that finish, then start again.
for try in 1 2 3; do
  wineboot --init && break
  echo "guest: Wine's boot outlasted its wait (try $try); waiting for it to finish" >&2
  wineserver -w
  [ "$try" -lt 3 ] || exit 1
done
wineserver -w
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
wineserver -w
wine cmd /c echo 'prefix ready: i686 programs run'
wineserver -w
