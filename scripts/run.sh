#!/usr/bin/env bash
# Installs what is missing, builds Brackmere and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRACKMERE_TESTS=OFF -DBRACKMERE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/brackmere
