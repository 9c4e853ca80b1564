#!/bin/sh
# Starts one i686 Windows program; ctest puts it before every test program of
# the win32 build. In the test guest the 32-bit Wine loader runs it; on a
# machine whose kernel runs 32-bit code, wine64 does in its WoW64 mode.
if [ "${ZANDREL_GUEST:-0}" = 1 ]; then
  exec wine "$@"
fi
exec /usr/lib/wine/wine64 "$@"
