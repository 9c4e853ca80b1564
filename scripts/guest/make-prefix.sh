#!/bin/bash
# Runs inside the guest once, while its image is built: the Wine prefix that
# every boot then starts from, and no crash dialog (under Xvfb it would wait
# for a click that never comes).
set -eu
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot --init
wineserver -w
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
wineserver -w
wine cmd /c echo 'prefix ready: i686 programs run'
wineserver -w
