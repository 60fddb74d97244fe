#!/usr/bin/env bash
# Sets up, builds and starts the program. Without a display it shows the
# results of the bundled example project on the terminal instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash werkzeug/einrichten.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/dachkandelmesser ]; then
  exec build/dachkandelmesser
fi
echo "Kein Bildschirm gefunden: Ergebnisse des Beispielprojekts examples/traufe_einzel.Dkm"
exec build/dkm-rechner examples/traufe_einzel.Dkm
