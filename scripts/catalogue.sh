#!/usr/bin/env bash
# Catalogues any folder tree through the product, as a user of Quorbit would
# with the masks they set, and prints the catalogue (as UTF-8, CR dropped):
#   scripts/catalogue.sh [--masks MASKS] [--dll DLL] [--code-page 1252|932] [--all-lines] TREE
# The tree must lie inside this work tree where the i686 programs run in the
# test guest (it mounts only the work tree). --dll names another build of the
# plug-in, say one of an earlier commit, to compare what descriptions look like.
# --all-lines turns the line limit off, to compare whole descriptions with
# what another program shows of the same bytes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ "${1:-}" != --show ]; then
  masks='README.TXT,*.TXT' dll=build/win32/ZandrelPlugin.dll code_page=1252 limit=on
  while [ $# -gt 1 ]; do
    case $1 in
      --masks) masks=$2; shift 2 ;;
      --dll) dll=$2; shift 2 ;;
      --code-page) code_page=$2; shift 2 ;;
      --all-lines) limit=off; shift ;;
      *) break ;;
    esac
  done
  [ $# -eq 1 ] || { echo "usage: scripts/catalogue.sh [--masks MASKS] [--dll DLL] [--code-page 1252|932] [--all-lines] TREE" >&2; exit 2; }
  scripts/setup-deps.sh >/dev/null
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target ZandrelPlugin quorbit-host -j 2 >/dev/null
  exec scripts/lib/run-script-where-i686-runs.sh scripts/catalogue.sh --show "$masks" "$(realpath "$dll")" "$code_page" "$1" "$limit"
fi

# --show MASKS DLL CODE-PAGE TREE LIMIT: where i686 programs run ($WINE, $I686_STAGE).
masks=$2 code_page=$4 tree=$5 limit=${6:-on}
cp build/win32/quorbit-host.exe "$I686_STAGE/"
cp "$3" "$I686_STAGE/ZandrelPlugin.dll"
locale=C.UTF-8 charset=CP1252
[ "$code_page" = 932 ] && locale=ja_JP.UTF-8 charset=CP932
"$WINE" reg add 'HKCU\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin' /v FileMasks /t REG_SZ \
  /d "$masks" /f </dev/null >/dev/null 2>&1
# LimitLines carries the flag in its sign: -20 (EC FF FF FF) is 20 lines, off.
lines=14000000 # 20 lines, on
[ "$limit" = off ] && lines=ecffffff
"$WINE" reg add 'HKCU\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin' /v LimitLines /t REG_BINARY \
  /d "$lines" /f </dev/null >/dev/null 2>&1
LC_ALL=$locale "$WINE" "$I686_STAGE/quorbit-host.exe" --progress 3600 catalog "$tree" </dev/null \
  | iconv -c -f "$charset" -t UTF-8 | tr -d '\r'
