#!/usr/bin/env bash
# Takes the report pictures in docs/: the print preview in the window (Xvfb, 1366 x 768 at 100 %,
# German locale) and the PDF pages as printed, the calculation record's included, for the eaves
# total-mode project with six outlets and the internal gutter. Needs a build (werkzeug/einrichten.sh), xvfb, xdotool, imagemagick and
# poppler-utils. DKM_ANZEIGE chooses the X display (default :74).
set -euo pipefail
cd "$(dirname "$0")/.."

anzeige=${DKM_ANZEIGE:-:74}
programm=build/dachkandelmesser
rechner=build/dkm-rechner
heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT
projekte="$heim/Projekte"
mkdir -p "$projekte" "$heim/.config/Dachkandelmesser"
# the total-mode example with six outlets instead of five: 60 m, 600 m², 6
LC_ALL=C sed -e '/^gesamt\r$/{n;s/.*/ 60\r/;n;s/.*/ 600\r/;n;s/.*/ 6\r/}' examples/traufe_gesamt.Dkm \
  > "$projekte/Reihenhaus_6_Ablaeufe.Dkm"
cp examples/innen_laengsseite.Dkm "$projekte/Halle_innenliegend.Dkm"
# an issuer for the head line, the printer at its default size
printf 'Dachbau Schmidt GmbH\r\nWerkstra\xdfe 3\r\n34117 Kassel\r\n0561 123456\r\n' > "$heim/.config/Dachkandelmesser/Aussteller.dat"
printf ' 10\r\n 0\r\n 0\r\n' > "$heim/.config/Dachkandelmesser/Druckwrt.dat"

# Positions of the buttons in logical pixels (the window stands at 0,0 without a window manager).
knopf_aufrufen=(280 14)
knopf_druckansicht=(90 44)
knopf_blaettern=(71 153)

vorschau() {  # project, picture, page
  env HOME="$heim" XDG_CONFIG_HOME="$heim/.config" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb \
    "$programm" >/dev/null 2>&1 &
  local pid=$!
  local fenster
  fenster=$(timeout 20 xdotool search --sync --name "^Dachkandelmesser nach DIN EN 12056" | head -1)
  sleep 1
  xdotool mousemove "${knopf_aufrufen[@]}" click 1
  timeout 10 xdotool search --sync --name "vorhandenes Projekt aufrufen" >/dev/null
  sleep 0.5
  xdotool type --delay 10 "$projekte/$1"
  xdotool key Return
  sleep 1.5
  xdotool key Return  # "Daten aufrufen": Yes is its default button
  sleep 1
  xdotool mousemove "${knopf_druckansicht[@]}" click 1
  sleep 1
  for ((seite = 1; seite < $3; seite++)); do
    xdotool mousemove "${knopf_blaettern[@]}" click 1
    sleep 1
  done
  xdotool mousemove 5000 5000
  sleep 0.5
  import -window "$fenster" "docs/$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

Xvfb "$anzeige" -screen 0 1366x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$anzeige
vorschau Reihenhaus_6_Ablaeufe.Dkm vorschau_gesamt_seite1.png 1
vorschau Halle_innenliegend.Dkm vorschau_innen_seite2.png 2
vorschau Halle_innenliegend.Dkm vorschau_innen_seite3.png 3
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true

# the PDF pages at 100 dpi, as the sheet is printed
pdf() {  # project, picture, page
  env XDG_CONFIG_HOME="$heim/.config" LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$rechner" --pdf "$heim/bericht.pdf" "$projekte/$1" 2>/dev/null
  pdftoppm -r 100 -png -f "$3" -l "$3" -singlefile "$heim/bericht.pdf" "docs/${2%.png}"
}
pdf Reihenhaus_6_Ablaeufe.Dkm bericht_gesamt_seite1.png 1
pdf Halle_innenliegend.Dkm bericht_innen_seite2.png 2
# the calculation record ("Rechenweg mitdrucken", on without Rechenweg.dat): pages 3 and 4
for seite in 3 4; do
  pdf Reihenhaus_6_Ablaeufe.Dkm "nachweis_gesamt_seite$seite.png" "$seite"
  pdf Halle_innenliegend.Dkm "nachweis_innen_seite$seite.png" "$seite"
done
ls -l docs/vorschau_*.png docs/bericht_*.png docs/nachweis_*.png
