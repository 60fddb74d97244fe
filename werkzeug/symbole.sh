#!/usr/bin/env bash
# Renders the program icon's PNG sizes from its SVG; the PNGs are committed, so a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../paket/symbole"
command -v rsvg-convert >/dev/null || {
  als_root=(); [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq librsvg2-bin
}
for g in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$g" -h "$g" dachkandelmesser.svg -o "dachkandelmesser_$g.png"
done
