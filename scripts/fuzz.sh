#!/usr/bin/env bash
# Builds the fuzz harnesses of tests/fuzz with clang's libFuzzer and runs
# each for a bounded time from the seed corpus. Usage:
#   scripts/fuzz.sh [seconds per harness] [harness ...]
# With FUZZ_RUNS=N each harness stops after N inputs as well, from a fixed
# random seed, so that the test command always tries the same inputs.
# New inputs go to build-fuzz/corpus/NAME (the seeds stay as they are); an
# input that breaks a harness is kept as build-fuzz/crash-* and the script
# fails. Such an input becomes a plain regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(chord_line song settings)

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
if ! cmake --build build-fuzz >build-fuzz/build.log 2>&1; then
  cat build-fuzz/build.log
  echo "fuzz: the harnesses did not build"
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
for h in "${harnesses[@]}"; do
  work="build-fuzz/corpus/$h"
  mkdir -p "$work"
  limits=(-max_total_time="$seconds")
  if [ -n "${FUZZ_RUNS:-}" ]; then limits+=(-runs="$FUZZ_RUNS" -seed=1); fi
  if build-fuzz/fuzz_"$h" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/crash-$h-" "$work" "tests/fuzz/corpus/$h" \
       >"build-fuzz/$h.log" 2>&1; then
    echo "fuzz $h: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$h.log" | grep -o '[0-9]*$') runs, no fault"
    passed=$((passed + 1))
  else
    echo "fuzz $h: FAULT found; the log is build-fuzz/$h.log"
    tail -n 40 "build-fuzz/$h.log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
