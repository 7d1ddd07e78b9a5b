#!/usr/bin/env bash
# Time from the program's start until its login window is on screen, median of
# five runs: once with a new database file (first start: key derivation, schema,
# demo installation) and once with an existing one. Runs on a virtual X display
# when none is set. Usage: bench/startzeit.sh [PROGRAMM]
set -euo pipefail
cd "$(dirname "$0")/.."
programm=${1:-build/tavro}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

# Milliseconds until the window named "Anmeldung" is viewable.
messen() {
  local start ende pid
  start=$(date +%s%N)
  "$programm" --datenbank "$1" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 6000); do
    xwininfo -name Anmeldung 2>/dev/null | grep -q IsViewable && break
    sleep 0.005
  done
  ende=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(( (ende - start) / 1000000 ))
}

median() { sort -n | sed -n 3p; }

neu=$(for i in 1 2 3 4 5; do messen "$ordner/neu$i.db"; done | median)
vorhanden=$(for i in 1 2 3 4 5; do messen "$ordner/neu1.db"; done | median)
echo "Start bis Anmeldefenster (Median aus 5): neue Datei ${neu} ms, vorhandene Datei ${vorhanden} ms"
