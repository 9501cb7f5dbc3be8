#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL cluster and stops the cluster afterwards,
# whatever happens: the cluster lives in a temporary folder, listens only on a Unix socket
# in that folder, and runs as an unprivileged user (the server refuses root). The command
# finds it through ORVAN_TEST_POSTGRES, a libpq connection string to its "postgres"
# database as the superuser "orvan".
#
#   scripts/with-postgres.sh ctest --test-dir build-test
set -euo pipefail

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ]; then
  echo "with-postgres: no PostgreSQL server installed (run scripts/install-deps.sh)" >&2
  exit 1
fi

folder=$(mktemp -d /tmp/orvan-postgres.XXXXXX)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$folder"
  as_owner=(runuser -u nobody --)
fi
chmod 700 "$folder"

stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$folder"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U orvan --auth=trust --encoding=UTF8 \
  --locale=C.UTF-8 >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
# Durability is not what the tests check: skip the flushes.
"${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
  -o "-k $folder -c listen_addresses= -c fsync=off -c synchronous_commit=off \
      -c full_page_writes=off -c max_connections=60" start >/dev/null ||
  { cat "$folder/server.log" >&2; exit 1; }

export ORVAN_TEST_POSTGRES="host=$folder port=5432 user=orvan dbname=postgres"
status=0
"$@" || status=$?
exit "$status"
