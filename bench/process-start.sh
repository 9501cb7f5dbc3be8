#!/usr/bin/env bash
# Whole-process cost of `option get KEY` beside sqlite3 running the same query on the same
# account: both are started RUNS times, interleaved, and the medians are compared.
# Usage: bench/process-start.sh [PROGRAM] [RUNS]   (PROGRAM: build-bench/orvan-sysmaintain)
set -euo pipefail
program=$(realpath "${1:-build-bench/orvan-sysmaintain}")
runs=${2:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
account="$work/account.db"
"$program" --db "$account" init-demo >/dev/null
key=$(sqlite3 "$account" "SELECT FKey FROM ICSystemProfile ORDER BY FIndex LIMIT 1")
query="select a.* ,b.FValue FUserValue from icsystemprofile  a
 left join QMUserOption b on b.FUserID=16394 and a.FKey=b.FKey
 where a.FKey='$key' order by a.FIndex"
python3 - "$runs" "$program" "$account" "$key" "$query" <<'PY'
import os, statistics, subprocess, sys, time
runs, program, account, key, query = int(sys.argv[1]), *sys.argv[2:]
commands = {
    "option get": [program, "--db", account, "option", "get", key],
    "sqlite3": ["sqlite3", account, query],
}
times = {name: [] for name in commands}
for _ in range(runs):
    for name, argv in commands.items():
        start = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
        times[name].append(time.perf_counter() - start)
medians = {name: statistics.median(values) * 1000 for name, values in times.items()}
for name, median in medians.items():
    print(f"{name:12} median {median:7.2f} ms over {runs} runs")
print(f"ratio option get / sqlite3: {medians['option get'] / medians['sqlite3']:.2f}")
PY
