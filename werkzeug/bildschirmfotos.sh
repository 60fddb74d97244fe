#!/usr/bin/env bash
# Takes the window pictures in docs/ under Xvfb, as a user would see them: German locale
# (decimal comma), projects in ~/Projekte, a 1366 x 768 screen at 100 % and a 1920 x 1080
# screen at 150 %. Needs a build (werkzeug/einrichten.sh) and root for the missing packages.
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(xvfb xdotool imagemagick locales)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
fi
if ! locale -a | grep -qi '^de_DE\.utf8$'; then
  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  locale-gen >/dev/null
fi

programm=build/dachkandelmesser
# a neutral home, so that the file name row shows no machine's path
heim=${DKM_FOTO_HEIM:-/home/nutzer}
projekte="$heim/Projekte"
mkdir -p "$projekte"
cp examples/traufe_einzel.Dkm "$projekte/Reihenhaus_Traufe.Dkm"
cp examples/innen_laengsseite.Dkm "$projekte/Halle_innenliegend.Dkm"
# the total-mode example with six outlets instead of five: 60 m, 600 m², 6
LC_ALL=C sed -e '/^gesamt\r$/{n;s/.*/ 60\r/;n;s/.*/ 600\r/;n;s/.*/ 6\r/}' examples/traufe_gesamt.Dkm \
  > "$projekte/Reihenhaus_6_Ablaeufe.Dkm"

# Positions of the buttons in logical pixels (the window stands at 0,0 without a window manager).
knopf_aufrufen=(280 14)
knopf_korr=(263 607)

klick() {  # x y scale
  xdotool mousemove "$(awk "BEGIN{print int($1*$3)}")" "$(awk "BEGIN{print int($2*$3)}")" click 1
}

foto() {  # project, picture, scale, correction panel (ja/nein)
  env HOME="$heim" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$3" \
    "$programm" >/dev/null 2>&1 &
  local pid=$!
  local fenster
  fenster=$(timeout 20 xdotool search --sync --name "^Dachkandelmesser nach DIN EN 12056" | head -1)
  sleep 1
  klick "${knopf_aufrufen[@]}" "$3"
  timeout 10 xdotool search --sync --name "vorhandenes Projekt aufrufen" >/dev/null
  sleep 0.5
  xdotool type --delay 10 "$projekte/$1"
  xdotool key Return
  # the question "Daten aufrufen": Yes is its default button
  sleep 1.5
  xdotool key Return
  sleep 1
  if [ "$4" = ja ]; then
    klick "${knopf_korr[@]}" "$3"
    sleep 1
    # over an empty part of the dimensions frame the help box of the button just pressed closes
    xdotool mousemove "$(awk "BEGIN{print int(370*$3)}")" "$(awk "BEGIN{print int(197*$3)}")"
    sleep 0.5
  fi
  # the pointer leaves the window, so that no button shows its hover state
  xdotool mousemove 5000 5000
  sleep 0.5
  import -window "$fenster" "docs/$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

# The own-values window's tab KOSTRA-DWD-2020 over a loaded project: a table in the weather service's format
# (the program ships none; cell 049125 with the depths 9,3 and 16,9 mm in 5 minutes, yields 310,0 and 563,3),
# chosen through the file dialog, and the cell typed by its number.
kostra_foto() {  # picture, scale
  local tabelle="$heim/Downloads/StatRR_KOSTRA-DWD-2020_D00005.csv"
  mkdir -p "$heim/Downloads"
  {
    printf 'INDEX_RC'
    for g in HN RN UC; do for t in 001 002 003 005 010 020 030 050 100; do printf ';%s_%sA' "$g" "$t"; done; done
    printf '\r\n000000'; for i in $(seq 27); do printf ';-99,9'; done
    printf '\r\n049125;6,0;7,4;8,2;9,3;10,8;12,4;13,5;14,9;16,9;200,0;246,7;273,3;310,0;360,0;413,3;450,0;496,7;563,3'
    printf ';16;17;18;19;20;20;21;21;22\r\n'
  } > "$tabelle"
  env HOME="$heim" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$2" \
    "$programm" "$projekte/Reihenhaus_Traufe.Dkm" >/dev/null 2>&1 &
  local pid=$!
  timeout 20 xdotool search --sync --name "^Dachkandelmesser nach DIN EN 12056" >/dev/null
  sleep 1.5
  klick 267 181 "$2"   # eigene Werte: aufrufen
  sleep 0.7
  klick 177 97 "$2"    # tab KOSTRA-DWD-2020
  sleep 0.5
  klick 247 142 "$2"   # Tabelle wählen …
  timeout 10 xdotool search --sync --name "Tabelle KOSTRA-DWD-2020" >/dev/null
  sleep 0.5
  xdotool type --delay 10 "$tabelle"
  xdotool key Return
  sleep 1
  klick 100 167 "$2"   # location or cell
  xdotool type --delay 10 "049125"
  xdotool key Return
  sleep 0.7
  # the background of the dimensions frame closes the help box the clicks opened
  xdotool mousemove "$(awk "BEGIN{print int(370*$2)}")" "$(awk "BEGIN{print int(197*$2)}")"
  sleep 0.5
  xdotool mousemove 5000 5000
  sleep 0.5
  import -window "$(xdotool search --name "^Dachkandelmesser nach DIN EN 12056" | head -1)" "docs/$1"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

bildschirm() {  # width height scale suffix
  Xvfb :73 -screen 0 "$1x$2x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  export DISPLAY=:73
  foto Reihenhaus_Traufe.Dkm "traufe$4.png" "$3" nein
  foto Halle_innenliegend.Dkm "innen$4.png" "$3" ja
  foto Reihenhaus_6_Ablaeufe.Dkm "gesamt$4.png" "$3" nein
  kostra_foto "kostra$4.png" "$3"
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
}

bildschirm 1366 768 1 ""
bildschirm 1920 1080 1.5 "_150"
ls -l docs/*.png
