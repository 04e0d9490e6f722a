#!/usr/bin/env bash
# Installs what is missing, builds Brackmere with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), runs every test headless, checks the
# code with cppcheck and fuzzes the computation core for a short while. The records
# tests need a PostgreSQL server: one is started for them and stopped at the end,
# whatever happens.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBRACKMERE_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# A test fails when a modal dialog stays open this long; the sanitizers slow everything down.
export BRACKMERE_TEST_DIALOG_SECONDS="${BRACKMERE_TEST_DIALOG_SECONDS:-30}"
bash scripts/check.sh
bash scripts/fuzz.sh

pg_dir=$(mktemp -d)
stop_server() {
  bash scripts/pg-test-server.sh stop "$pg_dir" || true
  rm -rf "$pg_dir"
}
trap stop_server EXIT
trap 'exit 130' INT TERM
if ! bash scripts/pg-test-server.sh start "$pg_dir"; then
  echo "test.sh: the PostgreSQL server for the records tests could not be started (see above)" >&2
  exit 1
fi
. "$pg_dir/env"
echo "Records test server: PostgreSQL 15 on 127.0.0.1:$BRACKMERE_TEST_PG_PORT, in $pg_dir, run by $(stat -c %U "$pg_dir")"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
