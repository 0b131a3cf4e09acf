#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs each fuzz harness on 20,000 inputs and then
# every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTRUMBLY_SANITIZE=ON -DSTRUMBLY_WERROR=ON >/dev/null
cmake --build build-test
# The same 20,000 inputs for each harness on every run (a few seconds each);
# longer, open-ended runs are for developers (see the README).
FUZZ_RUNS=20000 scripts/fuzz.sh 30
export QT_QPA_PLATFORM=offscreen
export STRUMBLY_NO_SPLASH=1
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j2 "$@"
