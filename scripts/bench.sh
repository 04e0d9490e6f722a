#!/usr/bin/env bash
# Builds Brackmere optimised and prints every benchmark figure of the README's table.
# The records-server figures are measured on a throwaway PostgreSQL server started here
# (or on the one BRACKMERE_BENCH_PG_URI names); each memory figure in a process of its own,
# so that it counts an idle window, or the command line on a 200 MB file, and not what the
# other benchmarks left behind.
# Arguments are passed to the benchmark program: --benchmark_filter=Outlook runs some.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBRACKMERE_TESTS=OFF >/dev/null
cmake --build build-bench --target bench_brackmere -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen

if [ -z "${BRACKMERE_BENCH_PG_URI:-}" ]; then
  pg_dir=$(mktemp -d)
  trap 'bash scripts/pg-test-server.sh stop "$pg_dir" >/dev/null || true; rm -rf "$pg_dir"' EXIT
  trap 'exit 130' INT TERM
  bash scripts/pg-test-server.sh start "$pg_dir" >/dev/null
  . "$pg_dir/env"
  export BRACKMERE_BENCH_PG_URI=$BRACKMERE_TEST_PG_URI
fi

bench=build-bench/bench/bench_brackmere
if [ $# -gt 0 ]; then
  "$bench" "$@"
else
  "$bench" --benchmark_filter=-Memory
  "$bench" --benchmark_filter=BM_IdleMemory
  "$bench" --benchmark_filter=BM_CommandLineMemory
fi
