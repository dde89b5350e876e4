#!/usr/bin/env bash
# Remakes the pictures in docs/ from tools/sample-lifetally.ini under Xvfb: in English
# with US formats, or with a language given (de, fr, es) in that language and its
# country's formats, into docs/<language>/.
# Usage: scripts/screenshots.sh [language]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default -DLT_BUILD_TOOLS=ON >/dev/null
cmake --build --preset default --target lifetally_screenshots
language=${1:-en}
case "$language" in
  en) formats=en_US.UTF-8 out=docs ;;
  de) formats=de_DE.UTF-8 out=docs/de ;;
  fr) formats=fr_FR.UTF-8 out=docs/fr ;;
  es) formats=es_ES.UTF-8 out=docs/es ;;
  *) echo "screenshots: no pictures for language '$language'" >&2; exit 2 ;;
esac
LANGUAGE=$language LC_ALL=$formats xvfb-run -a -s '-screen 0 1280x1024x24' \
    ./build/default/tools/lifetally_screenshots tools/sample-lifetally.ini "$out"
