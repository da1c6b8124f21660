#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert,
# package librsvg2-bin). Run after changing resources/icons/vrm530-config.svg
# and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" vrm530-config.svg -o "vrm530-config-$size.png"
done
