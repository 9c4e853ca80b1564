#!/usr/bin/env bash
# The release archive, dist/ZandrelPlugin-<version>-win32.zip: the stripped DLL
# of the win32 preset (Release) and the users' README.TXT. The build has a
# folder of its own, build/package, and no compiler cache, whose rewritten paths
# would end up in the debug information. The DLL's debug information stays in
# build/package/release/, beside the stripped DLL it belongs to (a debug link
# names it). Then the packaged DLL is loaded by the i686 quorbit-host, under
# wine64 or in the QEMU test guest, and catalogues samples/; any failure fails
# the script.
#   scripts/package.sh [--verify]
#   --verify  also builds a clone of the last commit in another folder and
#             checks that its DLL and archive are the same bytes as these.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

fail() { echo "package: $*" >&2; exit 1; }

# --smoke BUILD DLL VERSION: the smoke test alone, where i686 programs run
# ($WINE, $I686_STAGE): the host answers with the DLL's version and catalogues
# samples/, finding every folder and some descriptions.
if [ "${1:-}" = --smoke ]; then
  cp "$2/quorbit-host.exe" "$3" "$I686_STAGE/"
  version=$4
  host() { "$WINE" "$I686_STAGE/quorbit-host.exe" --dll "$I686_STAGE/ZandrelPlugin.dll" "$@" </dev/null | tr -d '\r'; }
  info=$(host info) || fail "quorbit-host info failed with the packaged DLL"
  grep -qx "Version: $version" <<<"$info" || fail "the packaged DLL does not say version $version: $info"
  catalog=$(host catalog samples) || fail "quorbit-host catalog samples failed with the packaged DLL"
  summary=$(tail -n 1 <<<"$catalog")
  folders=$(find samples -mindepth 1 -type d | wc -l)
  if ! [[ $summary =~ ^([0-9]+)\ folders,\ ([0-9]+)\ descriptions\ imported ]] \
    || [ "${BASH_REMATCH[1]}" -ne "$folders" ] || [ "${BASH_REMATCH[2]}" -eq 0 ]; then
    fail "catalog of samples/ with the packaged DLL: '$summary' (expected $folders folders and some descriptions)"
  fi
  echo "smoke:   the i686 quorbit-host with the packaged DLL: $summary"
  exit 0
fi

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
  python3 "$tree/scripts/lib/check-users-readme.py" "$readme" >&2 || fail "$readme is not plain ASCII in CR LF lines"

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

# The smoke test: the i686 quorbit-host loads the packaged DLL in a fresh Wine
# prefix, where i686 programs run (scripts/lib/run-script-where-i686-runs.sh), so the defaults serve.
scripts/lib/run-script-where-i686-runs.sh scripts/package.sh --smoke "${build#"$root"/}" "${dll#"$root"/}" "$version" \
  || fail "the smoke test of the packaged DLL failed"

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
