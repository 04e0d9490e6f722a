#!/usr/bin/env bash
# Installs what is missing, builds Brackmere with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), runs every test headless, checks the
# code with cppcheck and fuzzes the computation core for a short while.
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
bash scripts/check.sh
bash scripts/fuzz.sh
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
