#!/usr/bin/env bash
# Time from the program's start until its login window is on screen, median of
# five runs: once with a new database file (first start: key derivation, schema,
# demo installation) and once with an existing one. Runs on a virtual X display
# when none is set. Usage: bench/startzeit.sh [PROGRAMM]
set -euo pipefail
cd "$(dirname "$0")/.."
programm=${1:-build/tavro}
unset QT_QPA_PLATFORM
ordner=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server"; rm -rf "$ordner"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  # An own virtual display; a random number keeps parallel runs apart.
  export DISPLAY=:$((100 + RANDOM % 800))
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  server=$!
fi
for _ in $(seq 200); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done

# Milliseconds until the window named "Anmeldung" is viewable; fails when the
# program ends before.
einmal() {
  local start ende pid
  start=$(date +%s%N)
  "$programm" --datenbank "$1" >/dev/null 2>"$ordner/fehler.txt" &
  pid=$!
  until xwininfo -name Anmeldung 2>/dev/null | grep -q IsViewable; do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 1; }
    sleep 0.005
  done
  ende=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(( (ende - start) / 1000000 ))
}

# A busy shared machine now and then refuses a display connection: try again.
messen() {
  for _ in 1 2 3; do einmal "$1" && return 0; done
  echo "Das Programm endete vor dem Anmeldefenster:" >&2
  cat "$ordner/fehler.txt" >&2
  exit 1
}

median() { sort -n | sed -n 3p; }

neu=$(for i in 1 2 3 4 5; do messen "$ordner/neu$i.db"; done | median)
vorhanden=$(for i in 1 2 3 4 5; do messen "$ordner/neu1.db"; done | median)
echo "Start bis Anmeldefenster (Median aus 5): neue Datei ${neu} ms, vorhandene Datei ${vorhanden} ms"
