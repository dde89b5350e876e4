#!/usr/bin/env bash
# Renders the icon's PNG sizes (the window icon uses 16 to 64) from its SVG; the PNGs are
# committed, so a build needs no renderer. Run again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh librsvg2-bin
svg=resources/icons/example.tallyhouse.Lifetally.svg
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$svg" -o "resources/icons/lifetally-$size.png"
done
