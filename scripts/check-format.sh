#!/bin/bash
# Fails when any C++ file of the tree is not formatted as .clang-format says; `make format` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
clang-format-14 --dry-run -Werror "${files[@]}"
