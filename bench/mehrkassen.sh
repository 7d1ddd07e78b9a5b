#!/usr/bin/env bash
# The settlement writer for a table of 50 lines, in one run on loopback: on the
# encrypted file, on PostgreSQL with one till, and with N tills (processes)
# settling at the same time; median, 99th percentile and settlements per
# second of wall clock (filling and moving each table included). Starts a
# throw-away cluster unless TAVRO_TEST_POSTGRES names a server.
# Usage: bench/mehrkassen.sh [KASSEN] [RUNDEN]
set -euo pipefail
cd "$(dirname "$0")/.."
uri=${TAVRO_TEST_POSTGRES:-}
if [ -z "$uri" ]; then
  cluster=$(mktemp -d /tmp/tavro-pg.XXXXXX)
  chmod 755 "$cluster"
  trap 'scripts/postgres.sh stop "$cluster" >/dev/null || true; rm -rf "$cluster"' EXIT
  uri=$(scripts/postgres.sh start "$cluster")
fi
build/tavro_mehrkassen --messen --datenbank "$uri" --kassen "${1:-8}" --runden "${2:-60}"
