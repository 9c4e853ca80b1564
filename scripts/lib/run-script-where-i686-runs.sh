#!/usr/bin/env bash
# Runs a script of this tree where i686 Windows programs can run:
#   scripts/lib/run-script-where-i686-runs.sh SCRIPT [ARGS...]
# under wine64 (WoW64) in a fresh private prefix where this machine runs 32-bit
# code, else inside the QEMU test guest (scripts/guest/run.sh; its first run
# builds the image). The script finds $WINE, the command that starts a Windows
# program, and $I686_STAGE, an empty folder on a local file system to copy the
# programs and DLLs into before they run (in the guest, programs mapped from
# the shared work tree read as zeros).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -gt 0 ] || { echo "usage: scripts/lib/run-script-where-i686-runs.sh SCRIPT [ARGS...]" >&2; exit 2; }

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ "${ZANDREL_GUEST:-0}" = 1 ]; then
  export WINE=wine I686_STAGE=/tmp/i686-stage
  mkdir -p "$I686_STAGE"
  exec bash "$@"
fi

# shellcheck source=i686-probe.sh
source "$root/scripts/lib/i686-probe.sh"
if i686_runs_here; then
  # shellcheck source=wine.sh
  source "$root/scripts/lib/wine.sh"
  prefix="$root/build/i686-wineprefix"
  wine_env "$prefix"
  [ ! -e "$prefix" ] || { "$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$prefix"; }
  I686_STAGE=$(mktemp -d)
  trap 'wine_xvfb_stop; rm -rf "$I686_STAGE"' EXIT
  wine_prepare
  export WINE=$WINE64 I686_STAGE
  bash "$@"
else
  echo "(this machine's kernel runs no 32-bit code: the i686 programs run in the QEMU test guest)" >&2
  exec "$root/scripts/guest/run.sh" "$root/scripts/lib/run-script-where-i686-runs.sh" "$@"
fi
