#!/usr/bin/env bash
# Makes docs/setup-dialog.png, the picture of the setup dialog in README.md.
# Builds the Windows preset, lets the dialog test's Screenshot case photograph
# the real dialog under wine64 and Xvfb (it leaves setup-dialog.bmp in the
# build directory) and turns that into a PNG with ImageMagick, without time
# stamps, so that an unchanged dialog gives an unchanged file.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# The preset that runs the Windows suites under Wine.
preset=win32
if grep -q '"name": "win64"' CMakePresets.json; then
  preset=win64
fi
build="$root/build/$preset"

# shellcheck source=lib/wine.sh
source "$root/scripts/lib/wine.sh"
trap wine_xvfb_stop EXIT

echo "screenshot: building the $preset preset ($build)"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j 2 --target setup_dialog_test ZandrelPlugin >/dev/null

wine_env "$build/wineprefix"
wine_prepare
xvfb_start
rm -f "$build/setup-dialog.bmp"
(cd "$build" && "$WINE64" tests/setup/setup_dialog_test.exe --gtest_filter=SetupDialogTest.Screenshot)
wine_xvfb_stop

# ImageMagick 6 by its own name where Debian installs it, else whatever convert is.
convert=$(command -v convert-im6.q16 || command -v convert)
"$convert" "$build/setup-dialog.bmp" -strip -define png:exclude-chunks=date,time \
  "$root/docs/setup-dialog.png"
echo "screenshot: docs/setup-dialog.png"
