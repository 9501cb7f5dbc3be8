#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted with the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; then
  echo "format: run 'make format' and commit the result" >&2
  exit 1
fi
echo "format: every file follows .clang-format"
