#!/usr/bin/env bash
# Kills the till's driver N times at random moments during a scripted restaurant
# day and checks after every restart that nothing confirmed was lost or doubled.
#   scripts/absturztest.sh [N] [SEED]     (N defaults to 200)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/einrichten.sh >/dev/null
exec build/tavro_absturz --kills "${1:-200}" --seed "${2:-1}"
