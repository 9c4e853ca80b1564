#!/usr/bin/env bash
# The main job: build the plug-in and the stand-in host, then let the host
# catalogue the bundled samples/ through the plug-in, as Quorbit would. Both are
# the product's i686 programs (the win32 preset): they run under wine64 where
# this machine runs 32-bit code, else in the QEMU test guest
# (scripts/lib/run-script-where-i686-runs.sh).
#
# The Wine prefix is a fresh one on every run (a private build/i686-wineprefix,
# or the guest's unchanged image), so it holds no plug-in settings and the
# plug-in's defaults serve: "README.TXT" then "*.TXT", at most 20 lines. No X
# server is needed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ "${1:-}" != --show ]; then
  scripts/setup-deps.sh >/dev/null
  echo "demo: building the win32 preset (build/win32)" >&2
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target ZandrelPlugin quorbit-host -j 2 >/dev/null
  exec scripts/lib/run-script-where-i686-runs.sh scripts/demo.sh --show
fi

# --show: what the demo shows, where i686 programs run ($WINE, $I686_STAGE).
cp build/win32/quorbit-host.exe build/win32/ZandrelPlugin.dll "$I686_STAGE/"
host="$I686_STAGE/quorbit-host.exe"

# Wine takes the ANSI code page from the locale: 1252 with C.UTF-8, 932 with
# ja_JP.UTF-8. Each sample is shown in the code page it was written for: the
# whole catalogue under 1252 (the Western letters of the marked and unmarked
# UTF-8 and UTF-16 samples come out as themselves), then the Japanese and mixed
# items again under 932, where the Shift-JIS bytes and the converted Japanese
# lines read as Japanese. The host writes the descriptions' bytes unchanged into
# a pipe; iconv shows them on this terminal, and tr drops the CR of Windows line
# ends.
echo "demo: quorbit-host catalog samples (ANSI code page 1252)" >&2
echo >&2
LC_ALL=C.UTF-8 "$WINE" "$host" catalog samples </dev/null \
  | iconv -c -f CP1252 -t UTF-8 | tr -d '\r'

# show_import TITLE CODE-PAGE ITEM: the title, then the item's description as
# the host prints it under that ANSI code page (1252 or 932).
show_import() {
  local locale=C.UTF-8
  [ "$2" = 932 ] && locale=ja_JP.UTF-8
  printf '\ndemo: %s\n\n' "$1" >&2
  LC_ALL=$locale "$WINE" "$host" import "samples/$3" </dev/null \
    | iconv -c -f "CP$2" -t UTF-8 | tr -d '\r'
}

for item in shift-jis utf8-readme utf16-readme utf8-no-mark; do
  show_import "quorbit-host import samples/$item (ANSI code page 932)" 932 "$item"
done

# A DOS item: its FILE_ID.DIZ is not matched by the default masks, so set the
# masks as a user would in the setup dialog (the FileMasks value, with the
# 20-line limit that the dialog stores beside it), then import the item. Under
# code page 1252 the plug-in reads the file from the OEM code page 437: accented
# letters stay letters and the box frame becomes '+', '-' and '¦'.
settings_key='HKCU\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin'
"$WINE" reg add "$settings_key" /v FileMasks /t REG_SZ /d 'README.TXT,*.TXT,FILE_ID.DIZ,*.NFO' /f \
  </dev/null >/dev/null 2>&1
"$WINE" reg add "$settings_key" /v LimitLines /t REG_BINARY /d 14000000 /f </dev/null >/dev/null 2>&1
show_import 'FileMasks "README.TXT,*.TXT,FILE_ID.DIZ,*.NFO"; quorbit-host import samples/dos-file-id-diz' \
  1252 dos-file-id-diz

# Web pages, Markdown, reStructuredText and Rich Text files: a user who
# catalogues source trees and CD-ROMs adds their names to the masks. The
# plug-in reads them as a browser, a renderer or a word processor shows them:
# the title first, no tags, no markup.
masks='README.TXT,*.TXT,README.md,*.md,README.rst,*.rst,index.html,*.htm,*.html,README.RTF,*.rtf'
"$WINE" reg add "$settings_key" /v FileMasks /t REG_SZ /d "$masks" /f </dev/null >/dev/null 2>&1
for item in web-readme markdown-readme rst-readme rtf-readme; do
  show_import "FileMasks \"$masks\"; quorbit-host import samples/$item" 1252 "$item"
done
