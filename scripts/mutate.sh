#!/usr/bin/env bash
# Probes whether the tests notice a small fault: applies one sed-style mutation to a
# source file, rebuilds the tests of the file's layer, runs them and reports whether
# the mutant was killed (a test failed) or survived. The file is always restored.
#
#   scripts/mutate.sh [options] FILE SED-EXPRESSION
#   scripts/mutate.sh [options] --batch LIST
#
# LIST holds one mutant a line: FILE, a tab, SED-EXPRESSION (blank lines and lines
# starting with # are skipped); the batch ends with the kill rate.
#
# Options:
#   --build-dir DIR   a configured test build (default: build-test, as `make test` makes)
#   --layer NAME      the test binary to run (default: the layer of src/NAME/...); may be
#                     given more than once
#   --filter PATTERN  a GoogleTest filter, to run a part of the layer's tests
#   --timeout SECONDS a test run taking longer counts as killed (default 600)
#
# Exit status: 0 when every mutant was killed, 1 when one survived, 2 on a usage error
# or a mutation that changes nothing or does not build.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-test"
layers=()
filter=""
timeout_seconds=600
batch=""

usage() {
  sed -n '2,21p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

while [ $# -gt 0 ]; do
  case "$1" in
    --build-dir) build_dir="$(cd "$2" && pwd)"; shift 2 ;;
    --layer) layers+=("$2"); shift 2 ;;
    --filter) filter="$2"; shift 2 ;;
    --timeout) timeout_seconds="$2"; shift 2 ;;
    --batch) batch="$2"; shift 2 ;;
    -h|--help) usage ;;
    --) shift; break ;;
    -*) echo "mutate: unknown option $1" >&2; usage ;;
    *) break ;;
  esac
done

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  echo "mutate: $build_dir is not a configured build; run 'make test' once first" >&2
  exit 2
fi

# The layer of a source file: src/<layer>/...
layer_of() {
  local relative="${1#"$root"/}"
  case "$relative" in
    src/*/*) relative="${relative#src/}"; echo "${relative%%/*}" ;;
    *) echo "" ;;
  esac
}

# Runs one mutant; prints one result line and returns 0 killed, 1 survived, 2 invalid.
run_mutant() {
  local file="$1" expression="$2"
  case "$file" in /*) ;; *) file="$root/$file" ;; esac
  if [ ! -f "$file" ]; then
    echo "INVALID  $file: no such file"
    return 2
  fi
  local run_layers=("${layers[@]}")
  if [ ${#run_layers[@]} -eq 0 ]; then
    local layer
    layer="$(layer_of "$file")"
    if [ -z "$layer" ]; then
      echo "INVALID  $file: not under src/<layer>/; name the tests with --layer"
      return 2
    fi
    run_layers=("$layer")
  fi

  local backup
  backup="$(mktemp)"
  cp -p "$file" "$backup"
  # Put the file back and make sure the next build compiles it again.
  restore() {
    cp "$backup" "$file"
    touch "$file"
    rm -f "$backup"
  }
  trap 'restore; exit 130' INT TERM

  local label="${file#"$root"/}: $expression"
  if ! sed -i -e "$expression" "$file" || cmp -s "$file" "$backup"; then
    restore
    trap - INT TERM
    echo "INVALID  $label (the expression changes nothing)"
    return 2
  fi

  local result=1 layer binary log
  log="$(mktemp)"
  for layer in "${run_layers[@]}"; do
    if ! cmake --build "$build_dir" --target "orvan_${layer}_tests" -j "$(nproc)" >"$log" 2>&1; then
      restore
      trap - INT TERM
      echo "INVALID  $label (does not build; see the first error below)"
      grep -m1 -E 'error' "$log" | sed 's/^/         /'
      rm -f "$log"
      return 2
    fi
  done
  for layer in "${run_layers[@]}"; do
    binary="$build_dir/tests/orvan_${layer}_tests"
    local args=(--gtest_brief=1)
    [ -n "$filter" ] && args+=("--gtest_filter=$filter")
    if ! (cd "$build_dir/tests" && QT_QPA_PLATFORM=offscreen \
          timeout "$timeout_seconds" "$binary" "${args[@]}") >"$log" 2>&1; then
      result=0
      break
    fi
  done
  restore
  trap - INT TERM

  if [ $result -eq 0 ]; then
    local failed
    failed="$(grep -m3 -E '^\[  FAILED  \] [A-Za-z_]' "$log" | sed -E "s/^\[  FAILED  \] //; s/ \([0-9]+ ms\)//" | tr '\n' ' ')"
    echo "KILLED   $label${failed:+ (by $failed)}"
  else
    echo "SURVIVED $label"
  fi
  rm -f "$log"
  return $result
}

if [ -n "$batch" ]; then
  killed=0 survived=0 invalid=0
  while IFS=$'\t' read -r file expression || [ -n "$file" ]; do
    case "$file" in ''|'#'*) continue ;; esac
    run_mutant "$file" "$expression"
    case $? in 0) killed=$((killed + 1)) ;; 1) survived=$((survived + 1)) ;; *) invalid=$((invalid + 1)) ;; esac
  done <"$batch"
  total=$((killed + survived))
  rate=0
  [ $total -gt 0 ] && rate=$((100 * killed / total))
  echo "mutants: $killed killed, $survived survived, $invalid invalid; kill rate $rate%"
  [ $survived -eq 0 ] && exit 0 || exit 1
fi

[ $# -eq 2 ] || usage
run_mutant "$1" "$2"
