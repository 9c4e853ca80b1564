#!/usr/bin/env bash
# Makes docs/setup-dialog.png, the picture of the setup dialog in README.md.
# Builds the win32 preset, lets the dialog test's Screenshot case photograph
# the real dialog under Wine and Xvfb, where i686 programs run
# (scripts/lib/run-script-where-i686-runs.sh; it leaves setup-dialog.bmp in the build directory) and turns that into a PNG with ImageMagick, without time
# stamps, so that an unchanged dialog gives an unchanged file.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

build="$root/build/win32"

if [ "${1:-}" != --shoot ]; then
  echo "screenshot: building the win32 preset ($build)"
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j 2 --target setup_dialog_test ZandrelPlugin >/dev/null
  rm -f "$build/setup-dialog.bmp"
  scripts/lib/run-script-where-i686-runs.sh scripts/screenshot.sh --shoot
  # ImageMagick 6 by its own name where Debian installs it, else whatever convert is.
  convert=$(command -v convert-im6.q16 || command -v convert)
  "$convert" "$build/setup-dialog.bmp" -strip -define png:exclude-chunks=date,time \
    "$root/docs/setup-dialog.png"
  echo "screenshot: docs/setup-dialog.png"
  exit 0
fi

# --shoot: where i686 programs run ($WINE, $I686_STAGE), with an X server of its own.
# shellcheck source=lib/wine.sh
source "$root/scripts/lib/wine.sh"
trap wine_xvfb_stop EXIT
xvfb_start
cp "$build/tests/setup/setup_dialog_test.exe" "$build/ZandrelPlugin.dll" "$I686_STAGE/"
(cd "$I686_STAGE" && "$WINE" setup_dialog_test.exe --gtest_filter=SetupDialogTest.Screenshot)
cp "$I686_STAGE/setup-dialog.bmp" "$build/"
