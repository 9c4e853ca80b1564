#!/usr/bin/env bash
# Builds every preset and runs every suite. Prints one summary line per suite
# and a final 'N passed, M failed'; exits non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

"$root/scripts/setup-deps.sh" || { echo "setup-deps failed"; echo "0 passed, 1 failed"; exit 1; }

# shellcheck source=lib/wine.sh
source "$root/scripts/lib/wine.sh"
# shellcheck source=lib/i686-probe.sh
source "$root/scripts/lib/i686-probe.sh"
image_pid=""
stop_all() {
  wine_xvfb_stop
  if [ -n "$image_pid" ]; then kill "$image_pid" 2>/dev/null; wait "$image_pid" 2>/dev/null; fi
}
trap stop_all EXIT

# The i686 programs run under wine64 where this machine runs 32-bit code, else
# in the test guest, whose image (when it is not yet cached) is built in the
# background while the native suites build and run.
mkdir -p "$root/build"
if i686_runs_here; then
  win32_way="wine64 WoW64 on this machine"
else
  win32_way="in the QEMU guest"
  "$root/scripts/guest/image.sh" >"$root/build/guest-image.path" 2>"$root/build/guest-image.log" &
  image_pid=$!
fi
echo "i686 programs run ${win32_way}"

jobs=$(nproc)
total_passed=0
total_failed=0
summary=()

record() { # suite passed failed [note]
  total_passed=$((total_passed + $2))
  total_failed=$((total_failed + $3))
  summary+=("$(printf '%-14s %4d passed, %d failed%s' "$1" "$2" "$3" "${4:+  ($4)}")")
}

build_preset() { # preset -> 0 when configured and built
  local log="$root/build/$1-build.log"
  mkdir -p "$root/build"
  if cmake --preset "$1" >"$log" 2>&1 && cmake --build --preset "$1" -j "$jobs" >>"$log" 2>&1; then
    return 0
  fi
  tail -n 40 "$log"
  return 1
}

run_ctest_suite() { # preset [note [launcher...]]: ctest, or the launcher's run of it
  local preset=$1 note=${2:-}; shift; shift || true
  local dir="$root/build/$preset"
  rm -rf "$dir/test-results" "$dir/ctest-junit.xml" && mkdir -p "$dir/test-results"
  "$@" ctest --preset "$preset" --output-junit "$dir/ctest-junit.xml" >"$dir/ctest.log" 2>&1
  local rc=$?
  grep -E 'tests passed|tests failed|\*\*\*Failed|\*\*\*Exception|Timeout' "$dir/ctest.log" | sed 's/^/  /'
  [ $rc -eq 0 ] || tail -n 60 "$dir/ctest.log"
  local counts
  counts=$(python3 "$root/scripts/lib/summarise.py" "$dir" "$dir/ctest-junit.xml")
  # shellcheck disable=SC2086
  record "$preset" $counts "$note"
}

echo "== native"
if build_preset native; then run_ctest_suite native; else record native 0 1 "build failed"; fi

echo "== native-asan (AddressSanitizer + UBSan)"
if build_preset native-asan; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest_suite native-asan
else
  record native-asan 0 1 "build failed"
fi

echo "== win32 (the product): its static check and every Windows suite, ${win32_way}"
if build_preset win32; then
  # The checks that need no Windows (label static): the product DLL's, and the
  # same check refusing a patched and a posix-thread DLL.
  log="$root/build/win32/ctest-static.log"
  ctest --test-dir "$root/build/win32" -L static --output-on-failure >"$log" 2>&1
  grep -E '^FAIL|check_dll:|imports:|tests passed|tests failed' "$log" | sed 's/^/  /'
  counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests failed out of \([0-9]*\)$/\1 \2/p' "$log")
  if [ -n "$counts" ]; then
    read -r failed all <<<"$counts"
    record win32-static $((all - failed)) "$failed"
  else
    tail -n 40 "$log"
    record win32-static 0 1 "ctest did not run"
  fi
  if [ "$ZANDREL_I686_DIRECT" = 1 ]; then
    wine_env "$root/build/win32/wineprefix"
    if wine_prepare && xvfb_start; then
      run_ctest_suite win32 "$win32_way"
    else
      record win32 0 1 "wine or Xvfb did not start"
    fi
    wine_xvfb_stop
  else
    if [ -n "$image_pid" ]; then
      # Show the image's progress until it is built (at once when it was cached).
      tail -n +1 -f --pid="$image_pid" "$root/build/guest-image.log" | sed 's/^/  /'
      wait "$image_pid"; image_rc=$?; image_pid=""
    fi
    if [ "${image_rc:-1}" -eq 0 ]; then
      ZANDREL_GUEST_IMAGE=$(cat "$root/build/guest-image.path") \
        run_ctest_suite win32 "$win32_way" "$root/scripts/guest/run.sh" "$root/scripts/guest/ctest-in-guest.sh"
    else
      record win32 0 1 "the guest image was not built: build/guest-image.log"
    fi
  fi
else
  record win32 0 1 "build failed"
fi

# The release archive, built once as a release is (its own build folder, the
# users' README.TXT checked, the packaged DLL loaded by the host); --verify's
# second build is left to a release.
echo "== package (scripts/package.sh: the release archive and its checks)"
package_start=$SECONDS
if out=$("$root/scripts/package.sh" 2>&1); then
  echo "$out" | grep -E '^(archive|dll|smoke):' | sed 's/^/  /'
  echo "  built and checked in $((SECONDS - package_start)) s"
  record package 1 0
else
  echo "$out" | tail -n 20 | sed 's/^/  /'
  record package 0 1
fi

if [ -x "$root/scripts/fuzz.sh" ]; then
  echo "== fuzz (short bounded runs)"
  if out=$("$root/scripts/fuzz.sh" --seconds "${ZANDREL_FUZZ_SECONDS:-20}" 2>&1); then
    echo "$out" | grep -E '^fuzz ' | sed 's/^/  /'
    record fuzz "$(echo "$out" | grep -c '^fuzz .* ok')" 0
  else
    echo "$out" | tail -n 40
    record fuzz "$(echo "$out" | grep -c '^fuzz .* ok')" 1
  fi
fi

if [ -x "$root/build/native/bench/zandrel_bench" ]; then
  echo "== benchmark (a smoke run; figures come from scripts/bench.sh)"
  "$root/build/native/bench/zandrel_bench" --benchmark_min_time=0.01 >/dev/null 2>&1 \
    && echo "  benchmark ran" || { echo "  benchmark failed to run"; record bench 0 1; }
fi

echo
echo "== summary"
printf '%s\n' "${summary[@]}"
echo "${total_passed} passed, ${total_failed} failed"
[ "$total_failed" -eq 0 ]
