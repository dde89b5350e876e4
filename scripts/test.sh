#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: scripts/test.sh [preset]   (default or asan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/install-deps.sh
cmake --preset "$preset" -DLT_BUILD_TESTS=ON >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
