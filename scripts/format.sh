#!/usr/bin/env bash
# Formats every C++ file of the repository with its .clang-format, or with
# --check only says which files differ and fails (as CI runs it).
#
#   scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
    clang-format --dry-run -Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
