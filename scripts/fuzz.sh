#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for a
# bounded time, starting from the seeds in fuzz/seeds/<target>/.
#   scripts/fuzz.sh [--seconds N] [target ...]
# Prints 'fuzz <target> ok: <runs> runs ...' per target; a crash, leak or
# sanitizer report fails the run and leaves the input in build/fuzz/findings/.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seconds=60
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

log="$root/build/fuzz-build.log"
mkdir -p "$root/build"
if ! { cmake --preset fuzz >"$log" 2>&1 && cmake --build --preset fuzz -j "$(nproc)" >>"$log" 2>&1; }; then
  tail -n 40 "$log"
  exit 1
fi

if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$root"/build/fuzz/fuzz/fuzz_*; do
    [ -x "$exe" ] && targets+=("$(basename "$exe")")
  done
fi

status=0
for target in "${targets[@]}"; do
  exe="$root/build/fuzz/fuzz/$target"
  work="$root/build/fuzz/corpus/$target"
  findings="$root/build/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  seeds="$root/fuzz/seeds/${target#fuzz_}"
  out="$root/build/fuzz/$target.log"
  corpora=("$work")
  [ -d "$seeds" ] && corpora+=("$seeds")
  "$exe" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
    -timeout=10 -rss_limit_mb=2048 "${corpora[@]}" >"$out" 2>&1
  rc=$?
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$out" | grep -Eo '[0-9]+$' | tail -1)
  cov=$(grep -Eo 'cov: [0-9]+' "$out" | tail -1)
  if [ $rc -eq 0 ]; then
    echo "fuzz $target ok: ${runs:-?} runs in ${seconds}s, ${cov:-cov: ?}, corpus $(ls "$work" | wc -l) inputs"
  else
    echo "fuzz $target FAILED (exit $rc): see $out and $findings"
    grep -E 'ERROR|SUMMARY|runtime error' "$out" | head -n 10
    status=1
  fi
done
exit $status
