#!/usr/bin/env bash
# Builds Brackmere optimised and prints every benchmark figure of the README's table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBRACKMERE_TESTS=OFF >/dev/null
cmake --build build-bench --target bench_brackmere -j"$(nproc)"
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_brackmere "$@"
