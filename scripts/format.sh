#!/usr/bin/env bash
# Checks every C++ file of the repository against .clang-format (clang-format-14); --fix
# formats them in place instead. The generated sources kept as test data are left as written.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "format.sh: clang-format-14 is missing (scripts/deps.sh installs it)" >&2
  exit 2
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -v '^tests/data/')
if [ "${1:-}" = "--fix" ]; then
  "$format" -i "${files[@]}"
else
  "$format" --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format wants them"
fi
