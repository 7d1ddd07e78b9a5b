#!/usr/bin/env bash
# Sets up and runs every test: on the encrypted file, then once more on a
# throw-away PostgreSQL cluster (stopped and removed afterwards).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/einrichten.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

cluster=$(mktemp -d /tmp/tavro-pg.XXXXXX)
chmod 755 "$cluster"
aufraeumen() {
  scripts/postgres.sh stop "$cluster" >/dev/null || true
  rm -rf "$cluster"
}
trap aufraeumen EXIT
uri=$(scripts/postgres.sh start "$cluster")
TAVRO_TEST_POSTGRES=$uri QT_QPA_PLATFORM=offscreen timeout 1200 build/tavro_tests --gtest_brief=1
# Eight tills as processes of their own, 250 tables each, at the same time.
timeout 1200 build/tavro_mehrkassen --datenbank "$uri"
