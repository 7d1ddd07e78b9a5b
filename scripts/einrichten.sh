#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds the till into build/.
# Safe to run again: installed packages and an existing build are reused.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKETE=(qt6-base-dev qt6-svg-dev libsqlcipher-dev sqlcipher libssl-dev libgtest-dev libgmock-dev
        libbenchmark-dev cmake ninja-build pkg-config ccache fonts-dejavu-core
        libgl-dev xvfb xauth x11-utils poppler-utils libqrencode-dev zbar-tools
        libpq-dev postgresql-15 postgresql-client-15)

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
