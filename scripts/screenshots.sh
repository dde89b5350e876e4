#!/usr/bin/env bash
# Remakes the pictures in docs/ from tools/sample-lifetally.ini under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default -DLT_BUILD_TOOLS=ON >/dev/null
cmake --build --preset default --target lifetally_screenshots
xvfb-run -a -s '-screen 0 1280x1024x24' ./build/default/tools/lifetally_screenshots \
    tools/sample-lifetally.ini docs
