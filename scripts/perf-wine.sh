#!/usr/bin/env bash
# Measures the product DLL (the win32 preset) loaded as the host loads it:
# import against a bare read, heap allocations, a soak over samples/, the
# registry calls of the library's start and the time of a load. Prints the
# figures that docs/performance.md records. Not part of scripts/test.sh. The
# i686 programs run under wine64 where this machine runs 32-bit code, else in
# the QEMU test guest, whose software CPU makes every time several times longer.
#   scripts/perf-wine.sh [soak-imports]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ "${1:-}" != --measure ]; then
  scripts/setup-deps.sh >/dev/null
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target ZandrelPlugin plugin_measure -j 2 >/dev/null
  exec scripts/lib/run-script-where-i686-runs.sh scripts/perf-wine.sh --measure "${1:-100000}"
fi
soak=$2

# --measure: where i686 programs run ($WINE, $I686_STAGE).
cp build/win32/ZandrelPlugin.dll build/win32/plugin_measure.exe "$I686_STAGE/"
dll="$I686_STAGE/ZandrelPlugin.dll"
measure() { "$WINE" "$I686_STAGE/plugin_measure.exe" "$dll" "$@" 2>&1 | tr -d '\r'; }
reg() { "$WINE" reg "$@" >/dev/null 2>&1 || true; }
settings='HKCU\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin'
legacy='HKCU\Marrowick\Quorbit\Plugins\ZandrelPlugin'
clear_keys() { reg delete 'HKCU\Software\Marrowick' /f; reg delete 'HKCU\Marrowick' /f; }
write_key() {
  reg add "$1" /v FileMasks /t REG_SZ /d 'README.TXT,*.TXT' /f
  reg add "$1" /v LimitLines /t REG_BINARY /d 14000000 /f
}

echo "== machine"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "wine: $("$WINE" --version)"
[ "${ZANDREL_GUEST:-0}" = 1 ] && echo "emulated: the QEMU test guest (software CPU)"

clear_keys
echo "== import against a bare CreateFileA/ReadFile/CloseHandle (4,095-byte file)"
measure bench 50
echo "== heap allocations across 1,000 imports"
measure allocations 1000
echo "== soak over samples/"
measure soak "$(cd "$root" && pwd)/samples" "$soak"
echo "== LoadLibrary + FreeLibrary"
measure load 200

echo "== registry calls made while the library starts (Wine relay trace)"
count_registry_calls() {
  WINEDEBUG=+relay "$WINE" "$I686_STAGE/plugin_measure.exe" "$dll" load-once 2>&1 >/dev/null |
    awk '/zandrel-load-begin/ {on = 1; next} /zandrel-load-end/ {on = 0} on && /Call advapi32\.Reg/ {n++; sub(/^.*Call advapi32\./, ""); sub(/\(.*/, ""); names[$0]++} END {printf "%d", n; for (k in names) printf " %s=%d", k, names[k]; print ""}'
}
clear_keys
echo "no keys: $(count_registry_calls)"
clear_keys; write_key "$settings"
echo "settings key: $(count_registry_calls)"
clear_keys; write_key "$legacy"
echo "legacy key (migrated): $(count_registry_calls)"
clear_keys
