#!/usr/bin/env bash
# Builds the native preset and runs the import benchmarks with repetitions.
# Prints Google Benchmark's medians, then the figures the import is judged by.
# Extra arguments go to the benchmark (e.g. --benchmark_filter=Normalise).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

cmake --preset native >/dev/null
cmake --build --preset native --target zandrel_bench -j 2 >/dev/null

out="$root/build/native/bench/results.json"
build/native/bench/zandrel_bench \
  --benchmark_repetitions="${ZANDREL_BENCH_REPETITIONS:-15}" \
  --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json "$@" | grep -E '^(Run on|BM_.*_median|-|Benchmark)'

python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
def show(label, value): print(f"{label:<44} {value}")
for name, b in runs.items():
    if "bytes_per_second" in b:
        show(name, f"{b['bytes_per_second'] / 1e9:.2f} GB/s")
imp, bare = runs.get("BM_ImportDescription"), runs.get("BM_BareOpenReadClose")
if imp and bare:
    show("import / bare open-read-close (real time)", f"{imp['real_time'] / bare['real_time']:.2f}")
    show("import / bare open-read-close (CPU time)", f"{imp['cpu_time'] / bare['cpu_time']:.2f}")
files = runs.get("BM_ReadTextStart")
if imp and files:
    # The import's own file calls (open, size, position, read, close) without the text work.
    show("import / its five file calls (CPU time)", f"{imp['cpu_time'] / files['cpu_time']:.2f}")
PY
