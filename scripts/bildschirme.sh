#!/usr/bin/env bash
# Pictures of every screen at the sizes of the touch terminals restaurants buy:
# the till's screens are walked under a virtual display (Xvfb) of each size, on a
# fresh demo database, and each screen is saved as a PNG into the folder given.
#   scripts/bildschirme.sh bilder/
set -euo pipefail
cd "$(dirname "$0")/.."
ziel="${1:?Ordner für die Bilder angeben, z. B. scripts/bildschirme.sh bilder/}"
mkdir -p "$ziel"
ziel="$(cd "$ziel" && pwd)"

command -v Xvfb >/dev/null || scripts/einrichten.sh
[ -x build/tavro_tests ] || scripts/einrichten.sh
cmake --build build >/dev/null

anzeige=57
for groesse in 1024x768 1280x800 1366x768 1920x1080; do
  Xvfb ":$anzeige" -screen 0 "${groesse}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$anzeige" ] && break; sleep 0.1; done
  DISPLAY=":$anzeige" QT_QPA_PLATFORM=xcb TAVRO_BILDER="$ziel" \
    build/tavro_tests --gtest_filter='Bildschirmgroessen.*' >"$ziel/$groesse.log" 2>&1 \
    || echo "$groesse: Prüfung fehlgeschlagen, siehe $ziel/$groesse.log"
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  echo "$groesse: $(ls "$ziel" | grep -c "^$groesse-") Bilder"
done
