#!/usr/bin/env bash
# Builds the fuzz targets of the computation core with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for a number of seconds, two at a time:
#   scripts/fuzz.sh [seconds per target, default 30]
# Each target starts from a copy of its seed corpus (tests/fuzz/corpus/<target>) in a
# temporary folder, so the repository is left as it is. An input that breaks a property
# is kept with the target's log in build-fuzz/findings/<target>/; replay it with
#   build-fuzz/<target> build-fuzz/findings/<target>/crash-...
# Exits non-zero when any target found a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds per target]" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: install clang and libclang-rt-14-dev (bash scripts/install-deps.sh test)" >&2
  exit 1
fi

targets=(fuzz_number_reading fuzz_number_writing fuzz_calculation_run fuzz_scenario_solver)
build=build-fuzz
findings=$build/findings

echo "Building the fuzz targets in $build"
mkdir -p "$build"
if ! { cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ &&
       cmake --build "$build" -j"$(nproc)"; } >"$build/build.log" 2>&1; then
  cat "$build/build.log" >&2
  echo "Building the fuzz targets failed" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$findings"

run_target() {
  local target=$1
  mkdir -p "$findings/$target" "$work/$target"
  cp tests/fuzz/corpus/"$target"/* "$work/$target/"
  "$build/$target" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$findings/$target/" \
    "$work/$target" >"$findings/$target/log" 2>&1
}

# libFuzzer ends with "Done <runs> runs in <seconds> second(s)" when nothing broke.
runs_of() {
  sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$findings/$1/log" | tail -1
}

declare -A result
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pair=("${targets[@]:i:2}")
  echo "Fuzzing ${pair[*]} for $seconds s each"
  pids=()
  for target in "${pair[@]}"; do
    run_target "$target" &
    pids+=($!)
  done
  for j in "${!pids[@]}"; do
    target=${pair[j]}
    if wait "${pids[j]}" && [ -n "$(runs_of "$target")" ]; then
      result[$target]="ok      $(runs_of "$target")"
      echo "  $target: $(runs_of "$target")"
    else
      result[$target]="FAILED  see $findings/$target/"
      echo "  $target FAILED:"
      grep -E -A2 'Property broken|runtime error|ERROR: (Address|libFuzzer)|Test unit written' \
        "$findings/$target/log" | sed 's/^/    /' | head -20
    fi
  done
done

echo "Fuzzing summary ($seconds s per target):"
failed=0
for target in "${targets[@]}"; do
  printf '  %-22s %s\n' "$target" "${result[$target]}"
  [[ ${result[$target]} == ok* ]] || failed=1
done
exit "$failed"
