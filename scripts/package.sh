#!/usr/bin/env bash
# The release archive, dist/ZandrelPlugin-<version>-win32.zip: the stripped DLL
# of the win32 preset (Release) and the users' README.TXT. The build has a
# folder of its own, build/package, and no compiler cache, whose rewritten paths
# would end up in the debug information. The DLL's debug information stays in
# build/package/release/, beside the stripped DLL it belongs to (a debug link
# names it). Then the packaged DLL is loaded by the i686 quorbit-host under
# wine64 and catalogues samples/; any failure fails the script. On a machine
# that cannot start 32-bit programs the smoke test is reported as not run.
#   scripts/package.sh [--verify]
#   --verify  also builds a clone of the last commit in another folder and
#             checks that its DLL and archive are the same bytes as these.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

verify=0
case "${1:-}" in
  --verify) verify=1 ;;
  "") ;;
  *) echo "usage: scripts/package.sh [--verify]" >&2; exit 2 ;;
esac

scripts/setup-deps.sh >/dev/null

# Every date in the archive is the last commit's, so each build of a commit gives the same bytes.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH

fail() { echo "package: $*" >&2; exit 1; }

# package_tree TREE TARGETS...: builds the targets in TREE/build/package, strips
# the DLL into TREE/build/package/release/ and writes TREE/dist/<archive>. Sets
# build, version, stage and archive.
package_tree() {
  local tree=$1; shift
  build="$tree/build/package"
  mkdir -p "$build"
  local log="$build/package.log"
  if ! (cd "$tree" && cmake --preset win32 -B "$build" -DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER= \
    && cmake --build "$build" -j 2 --target "$@") >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "the win32 build failed in $tree (log: $log)"
  fi
  python3 "$tree/tests/plugin/check_dll.py" "$build/ZandrelPlugin.dll" >>"$log" 2>&1 \
    || { grep -E '^FAIL|^check_dll' "$log" >&2; fail "the static check of $build/ZandrelPlugin.dll failed"; }

  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  [ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
  readme="$build/README.TXT"
  # Plain ASCII (printable, tab) in CR LF lines.
  if LC_ALL=C grep -q -P '[^\t\r\x20-\x7E]' "$readme" || [ "$(grep -c $'\r$' "$readme")" -ne "$(wc -l <"$readme")" ]; then
    fail "$readme is not plain ASCII in CR LF lines"
  fi

  stage="$build/release"
  rm -rf "$stage" && mkdir -p "$stage"
  i686-w64-mingw32-objcopy --only-keep-debug "$build/ZandrelPlugin.dll" "$stage/ZandrelPlugin.dll.debug"
  (cd "$stage" && i686-w64-mingw32-objcopy --strip-all --add-gnu-debuglink=ZandrelPlugin.dll.debug \
    "$build/ZandrelPlugin.dll" ZandrelPlugin.dll)
  cp "$readme" "$stage/README.TXT"

  archive="$tree/dist/ZandrelPlugin-$version-win32.zip"
  mkdir -p "$tree/dist"
  # Debian's Python and zlib; entries in a fixed order, dated by SOURCE_DATE_EPOCH
  # (in UTC; zip dates begin in 1980), with MS-DOS attributes.
  /usr/bin/python3 - "$archive" "$stage/ZandrelPlugin.dll" "$stage/README.TXT" <<'EOF'
import os, sys, time, zipfile
archive, *files = sys.argv[1:]
date = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]
with zipfile.ZipFile(archive + ".part", "w") as out:
    for path in files:
        entry = zipfile.ZipInfo(os.path.basename(path), date)
        entry.create_system = 0
        entry.external_attr = 0
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(path, "rb") as data:
            out.writestr(entry, data.read(), compresslevel=9)
os.replace(archive + ".part", archive)
EOF
}

package_tree "$root" ZandrelPlugin quorbit-host
dll="$stage/ZandrelPlugin.dll"
echo "archive: ${archive#"$root"/}"
echo "sha256:  $(sha256sum "$archive" | cut -d' ' -f1)"
echo "dll:     $(stat -c %s "$dll") bytes, stripped (debug information: ${stage#"$root"/}/ZandrelPlugin.dll.debug)"

# The smoke test: the packaged DLL in a fresh Wine prefix, so the defaults serve.
# shellcheck source=lib/wine.sh
source scripts/lib/wine.sh
prefix="$build/wineprefix"
wine_env "$prefix"
trap wine_xvfb_stop EXIT
[ ! -e "$prefix" ] || { "$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$prefix"; }
wine_prepare
# Wine runs i686 programs in its WoW64 mode, which needs the kernel's 32-bit
# system calls: without them no 32-bit program starts at all. The host without
# arguments answers with its usage (exit 2) wherever it can start.
if "$WINE64" "$build/quorbit-host.exe" </dev/null >/dev/null 2>&1; [ $? -ne 2 ]; then
  echo "smoke:   NOT RUN: this machine cannot start a 32-bit Windows program under wine64"
  echo "         (its kernel has no 32-bit system calls); the DLL was checked statically only"
  smoke_skipped=1
else
  smoke_skipped=0
fi
host() { "$WINE64" "$build/quorbit-host.exe" --dll "$dll" "$@" </dev/null | tr -d '\r'; }
if [ "$smoke_skipped" -eq 0 ]; then
  info=$(host info) || fail "quorbit-host info failed with the packaged DLL"
  grep -qx "Version: $version" <<<"$info" || fail "the packaged DLL does not say version $version: $info"
  catalog=$(host catalog samples) || fail "quorbit-host catalog samples failed with the packaged DLL"
  summary=$(tail -n 1 <<<"$catalog")
  folders=$(find samples -mindepth 1 -type d | wc -l)
  if ! [[ $summary =~ ^([0-9]+)\ folders,\ ([0-9]+)\ descriptions\ imported ]] \
    || [ "${BASH_REMATCH[1]}" -ne "$folders" ] || [ "${BASH_REMATCH[2]}" -eq 0 ]; then
    fail "catalog of samples/ with the packaged DLL: '$summary' (expected $folders folders and some descriptions)"
  fi
  echo "smoke:   quorbit-host (i686, wine64) with the packaged DLL: $summary"
fi
wine_xvfb_stop

if [ "$verify" -eq 1 ]; then
  commit=$(git rev-parse HEAD)
  [ -z "$(git status --porcelain --untracked-files=no)" ] \
    || echo "verify: note: the working tree has changes that are not committed; the clone has only $commit" >&2
  clone="$root/build/package-verify"
  rm -rf "$clone"
  git clone -q --no-checkout "$root" "$clone"
  git -C "$clone" checkout -q --detach "$commit"
  first_dll=$dll first_archive=$archive
  package_tree "$clone" ZandrelPlugin
  cmp "$first_dll" "$stage/ZandrelPlugin.dll" || fail "verify: the DLL of a clean build in ${clone#"$root"/} differs"
  cmp "$first_archive" "$archive" || fail "verify: the archive of a clean build in ${clone#"$root"/} differs"
  echo "verify:  a clean build of $commit in ${clone#"$root"/} gives the same DLL and archive, byte for byte"
fi
