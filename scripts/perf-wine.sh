#!/usr/bin/env bash
# Measures the win64 plug-in DLL under wine64, loaded as the host loads it:
# import against a bare read, heap allocations, a soak over samples/, the
# registry calls of the library's start and the time of a load. Prints the
# figures that docs/performance.md records. Not part of scripts/test.sh.
#   scripts/perf-wine.sh [soak-imports]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
soak=${1:-100000}

scripts/setup-deps.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target ZandrelPlugin plugin_measure -j 2 >/dev/null

# shellcheck source=lib/wine.sh
source scripts/lib/wine.sh
wine_env "$root/build/perf-wineprefix"
trap wine_xvfb_stop EXIT
wine_prepare

dll=build/win64/ZandrelPlugin.dll
measure() { "$WINE64" build/win64/plugin_measure.exe "$dll" "$@" 2>&1 | tr -d '\r'; }
reg() { "$WINE64" reg "$@" >/dev/null 2>&1 || true; }
settings='HKCU\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin'
legacy='HKCU\Marrowick\Quorbit\Plugins\ZandrelPlugin'
clear_keys() { reg delete 'HKCU\Software\Marrowick' /f; reg delete 'HKCU\Marrowick' /f; }
write_key() {
  reg add "$1" /v FileMasks /t REG_SZ /d 'README.TXT,*.TXT' /f
  reg add "$1" /v LimitLines /t REG_BINARY /d 14000000 /f
}

echo "== machine"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "wine: $("$WINE64" --version)"

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
  WINEDEBUG=+relay "$WINE64" build/win64/plugin_measure.exe "$dll" load-once 2>&1 >/dev/null |
    awk '/zandrel-load-begin/ {on = 1; next} /zandrel-load-end/ {on = 0} on && /Call advapi32\.Reg/ {n++; sub(/^.*Call advapi32\./, ""); sub(/\(.*/, ""); names[$0]++} END {printf "%d", n; for (k in names) printf " %s=%d", k, names[k]; print ""}'
}
clear_keys
echo "no keys: $(count_registry_calls)"
clear_keys; write_key "$settings"
echo "settings key: $(count_registry_calls)"
clear_keys; write_key "$legacy"
echo "legacy key (migrated): $(count_registry_calls)"
clear_keys
