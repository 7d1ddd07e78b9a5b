#!/usr/bin/env bash
# A local PostgreSQL cluster for the till: start|stop|status DIR.
#   start   makes the cluster in DIR on first use (locale C, UTF-8, a role and a
#           database "tavro"), runs it on a free port of 127.0.0.1 and prints
#           the URI to pass to --datenbank.
#   stop    stops it.
#   status  says whether it runs, and its URI.
# The cluster trusts connections from this machine only: it is meant for one
# computer or for tests, not for a till network (there: a password in ~/.pgpass).
# PostgreSQL refuses to run as root; as root the server runs as the user
# "postgres" (Debian's, from the package postgresql-15), which then owns DIR.
set -euo pipefail

BIN=/usr/lib/postgresql/15/bin
befehl=${1:-}
ordner=${2:-}
if [ -z "$befehl" ] || [ -z "$ordner" ]; then
  echo "Aufruf: $0 start|stop|status ORDNER" >&2
  exit 2
fi
if [ ! -x "$BIN/pg_ctl" ]; then
  echo "PostgreSQL 15 fehlt ($BIN): apt-get install postgresql-15 postgresql-client-15" >&2
  exit 1
fi
mkdir -p "$ordner"
ordner=$(cd "$ordner" && pwd)
daten=$ordner/daten

als_server() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

uri() { echo "postgresql://tavro@127.0.0.1:$(cat "$ordner/port")/tavro"; }

laeuft() { [ -f "$ordner/port" ] && als_server "$BIN/pg_ctl" -D "$daten" status >/dev/null 2>&1; }

freier_port() {
  local port
  for port in $(seq 54320 54999); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  echo "Kein freier Port zwischen 54320 und 54999." >&2
  exit 1
}

case "$befehl" in
  start)
    if laeuft; then
      uri
      exit 0
    fi
    [ "$(id -u)" -ne 0 ] || chown postgres: "$ordner"
    if [ ! -f "$daten/PG_VERSION" ]; then
      als_server "$BIN/initdb" -D "$daten" -U postgres --locale=C -E UTF8 --auth=trust >/dev/null
      # One role signs in with a password, so the tests can try a wrong or missing one.
      sed -i '/^# TYPE/a host all tavro_kennwort 127.0.0.1/32 scram-sha-256' "$daten/pg_hba.conf"
    fi
    port=$(freier_port)
    echo "$port" >"$ordner/port"
    als_server "$BIN/pg_ctl" -D "$daten" -l "$ordner/server.log" -w \
      -o "-p $port -c listen_addresses=127.0.0.1 -k $ordner" start >/dev/null
    psql=("$BIN/psql" -h 127.0.0.1 -p "$port" -U postgres -d postgres -qtA -v ON_ERROR_STOP=1)
    if [ -z "$("${psql[@]}" -c "SELECT 1 FROM pg_roles WHERE rolname = 'tavro'")" ]; then
      "${psql[@]}" -c "CREATE ROLE tavro LOGIN CREATEDB"
      "${psql[@]}" -c "CREATE ROLE tavro_kennwort LOGIN PASSWORD 'richtig'"
      "${psql[@]}" -c "CREATE DATABASE tavro OWNER tavro TEMPLATE template0 ENCODING 'UTF8' \
        LC_COLLATE 'C' LC_CTYPE 'C'"
    fi
    uri
    ;;
  stop)
    if laeuft; then
      als_server "$BIN/pg_ctl" -D "$daten" -m fast -w stop >/dev/null
    fi
    echo "PostgreSQL in $ordner ist gestoppt."
    ;;
  status)
    if laeuft; then
      echo "PostgreSQL in $ordner läuft: $(uri)"
    else
      echo "PostgreSQL in $ordner läuft nicht."
      exit 3
    fi
    ;;
  *)
    echo "Unbekannter Befehl '$befehl' (start, stop oder status)." >&2
    exit 2
    ;;
esac
