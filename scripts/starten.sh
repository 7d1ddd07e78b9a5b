#!/usr/bin/env bash
# Sets up and starts the till. Extra arguments go to the program (e.g. --datenbank PFAD).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/einrichten.sh
exec build/tavro "$@"
