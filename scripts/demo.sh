#!/usr/bin/env bash
# The main job: build, then import the bundled sample descriptions.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/setup-deps.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target import_demo >/dev/null
for dir in samples/*/; do
  echo "== ${dir}"
  build/native/tests/import/import_demo "$dir"
done
