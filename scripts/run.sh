#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default -DLT_BUILD_TESTS=OFF >/dev/null
cmake --build --preset default --target lifetally
exec ./build/default/lifetally "$@"
