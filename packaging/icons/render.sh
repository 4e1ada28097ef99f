#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the hicolor PNG sizes from hexbrawl.svg. The PNGs are committed, so the
# build needs no renderer; run this again after changing the drawing
# (needs rsvg-convert from librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" hexbrawl.svg --output "hexbrawl-$size.png"
done
