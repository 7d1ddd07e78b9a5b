#!/usr/bin/env bash
# Sets up and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/einrichten.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
