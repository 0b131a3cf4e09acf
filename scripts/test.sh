#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs each fuzz harness for 15 seconds and then
# every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTRUMBLY_SANITIZE=ON >/dev/null
cmake --build build-test
scripts/fuzz.sh 15
export QT_QPA_PLATFORM=offscreen
export STRUMBLY_NO_SPLASH=1
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j2 "$@"
