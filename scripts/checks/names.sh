#!/usr/bin/env bash
# Checks the names of the project's own code with the naming rules of .clang-tidy
# (classes CamelCase, members and variables camelBack, private members m_, no
# Hungarian g_ prefixes). Needs a configured build with compile_commands.json.
#   scripts/checks/names.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:?usage: names.sh BUILD_DIR}"
cd "$root"
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
git ls-files 'src/*.cpp' |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet \
    --checks='-*,readability-identifier-naming' 2>/dev/null |
  grep -E 'warning: .*\[readability-identifier-naming\]' | sort -u >"$report" || true
if [ -s "$report" ]; then
  sed "s|$root/||" "$report"
  echo "names: $(wc -l <"$report") names break the naming rules of .clang-tidy" >&2
  exit 1
fi
echo "names: every name follows .clang-tidy"
