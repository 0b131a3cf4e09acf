#!/usr/bin/env bash
# Formats every C++ file of the tree by .clang-format; with --check, lists
# the files that are not formatted and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
