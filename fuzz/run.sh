#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS on a corpus seeded
# from the statement corpus, the scripts of the tests and a few login strings and
# filters. Inputs that ever crashed are kept in fuzz/regressions/<target>/ and run first:
# any of them failing again fails the run.
#   fuzz/run.sh [SECONDS] [TARGET...]   (default 30 s, every target)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(tsql login filter script rule)
build="$root/build-fuzz"
corpus="$build/corpus"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$build" -j "$(nproc)"

seed() {
  rm -rf "$corpus" && mkdir -p "$corpus"/{tsql,login,filter,script,rule}
  # One file per batch of the statement corpus.
  awk -v dir="$corpus/tsql" '
    /^GO\r?$/ { if (text != "") { n++; printf "%s", text > (dir "/batch" n); close(dir "/batch" n) } text = ""; next }
    text == "" && /^-- / { next }
    text == "" && /^\r?$/ { next }
    { text = text $0 "\n" }' "$root/tests/data/statements.tsql"
  local n=0
  for login in "UserID=16394;LANGUAGE=chs;" \
               "ConnectString={Provider=SQLite;Data Source=/x/a;b.db};UserID=1;" \
               "A={{}}};B=1" $'a;b.db\nUserID=2;' $'c}d.db\n'; do
    n=$((n + 1)); printf '%s' "$login" > "$corpus/login/seed$n"
  done
  n=0
  for filter in "FKey='abc'" "FKey='abc' OR FCount >= 8 AND [FValue] = 2" "FValue = NULL" \
                "FKey LIKE 'd*'" "(FKey='a' OR FKey='b') AND FCount > 7" "FRate <> 0.5"; do
    n=$((n + 1)); printf '%s' "$filter" > "$corpus/filter/seed$n"
  done
  # Rule cells, one per line: row letter, column digit (1 item, 2 format, 3 length,
  # 6 kind, 9 basis), text.
  printf 'A61\nA1自定义\nA2PO\nB62\nB1日期\nB2yyyymmdd\nC63\nC1流水号\nC21\nC34\nC91\n' > "$corpus/rule/seed1"
  printf 'A63\nA1流水号\nA21e300\nA3255\nB6100\nB1Caption\n' > "$corpus/rule/seed2"
  printf 'A62\nA1日期\nA2yyyy-mm-dd hh:nn:ss\nB69\nB1 FName \nC63\nC1x\nC2-0001\nC3999999999\n' > "$corpus/rule/seed3"
  n=0
  grep -h -o '"[a-z][a-z ]*[^"]*\\n"' "$root"/tests/app/*.cpp | sed -n 1,200p |
    while IFS= read -r line; do
      n=$((n + 1)); printf '%s' "${line:1:${#line}-4}" > "$corpus/script/seed$n"
    done
}
seed

status=0
for target in "${targets[@]}"; do
  regressions="$root/fuzz/regressions/$target"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    "$build/fuzz_$target" -runs=0 "$regressions" >/dev/null 2>&1 ||
      { echo "fuzz: $target fails on a kept regression input" >&2; status=1; }
  fi
  mkdir -p "$build/findings/$target"
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -artifact_prefix="$build/findings/$target/" "$corpus/$target" \
         >"$build/$target.log" 2>&1; then
    echo "fuzz: $target found a failing input; see $build/$target.log and $build/findings/$target/" >&2
    tail -20 "$build/$target.log" >&2
    status=1
  fi
  echo "fuzz: $target $(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/$target.log" |
    tail -1 | awk '{print $2}' || true) runs in ${seconds} s"
done
exit $status
