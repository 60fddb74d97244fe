#!/usr/bin/env bash
# Takes the window pictures in docs/ under Xvfb, as a user would see them: German locale
# (decimal comma), projects in ~/Projekte, a 1366 x 768 screen at 100 % and a 1920 x 1080
# screen at 150 %. Needs a build (werkzeug/einrichten.sh) and root for the missing packages.
# DKM_FOTO_ANZEIGE names the X display to use (default :73).
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
anzeige=${DKM_FOTO_ANZEIGE:-:73}
# a neutral home, so that the file name shows no machine's path
heim=${DKM_FOTO_HEIM:-/home/nutzer}
projekte="$heim/Projekte"
mkdir -p "$projekte"
cp examples/traufe_einzel.Dkm "$projekte/Reihenhaus_Traufe.Dkm"
cp examples/innen_laengsseite.Dkm "$projekte/Halle_innenliegend.Dkm"
# the total-mode example with six outlets instead of five: 60 m, 600 m², 6
LC_ALL=C sed -e '/^gesamt\r$/{n;s/.*/ 60\r/;n;s/.*/ 600\r/;n;s/.*/ 6\r/}' examples/traufe_gesamt.Dkm \
  > "$projekte/Reihenhaus_6_Ablaeufe.Dkm"

# Places in logical pixels (the window stands at 0,0 without a window manager).
knopf_aufrufen=(264 11)
knopf_korr=(262 565)
knopf_druckansicht=(88 35)
knopf_blaettern=(71 153)
knopf_leitfaden=(968 35)
knopf_leitfaden_weiter=(700 460)
option_vorgehaengt=(81 320)
option_laengsseite=(92 565)
knopf_eigene_werte=(267 166)
reiter_kostra=(177 84)
knopf_tabelle_waehlen=(247 129)
feld_kostra_ort=(100 153)

skala=1
punkt() {  # x y: the place on the screen
  echo "$(awk "BEGIN{print int($1*$skala)}") $(awk "BEGIN{print int($2*$skala)}")"
}
klick() {  # x y
  # shellcheck disable=SC2046
  xdotool mousemove $(punkt "$1" "$2") click 1
  sleep 1
}
schweben() {  # x y: onto a control, as a hand does, in two small moves
  # shellcheck disable=SC2046
  xdotool mousemove $(punkt "$(($1 - 8))" "$2")
  sleep 0.3
  # shellcheck disable=SC2046
  xdotool mousemove $(punkt "$1" "$2")
  sleep 1
}

# A table in the weather service's format (the program ships none): cell 049125 with the depths 9,3 and
# 16,9 mm in 5 minutes, yields 310,0 and 563,3.
kostra_tabelle="$heim/Downloads/StatRR_KOSTRA-DWD-2020_D00005.csv"
mkdir -p "$heim/Downloads"
{
  printf 'INDEX_RC'
  for g in HN RN UC; do for t in 001 002 003 005 010 020 030 050 100; do printf ';%s_%sA' "$g" "$t"; done; done
  printf '\r\n000000'; for i in $(seq 27); do printf ';-99,9'; done
  printf '\r\n049125;6,0;7,4;8,2;9,3;10,8;12,4;13,5;14,9;16,9;200,0;246,7;273,3;310,0;360,0;413,3;450,0;496,7;563,3'
  printf ';16;17;18;19;20;20;21;21;22\r\n'
} > "$kostra_tabelle"
tippen() {  # text, then Return
  xdotool type --delay 10 "$1"
  xdotool key Return
  sleep 1
}
# the own-values window's tab KOSTRA-DWD-2020: the table chosen through the file dialog, the cell typed by its number
kostra_suchen() {
  klick "${knopf_eigene_werte[@]}"
  klick "${reiter_kostra[@]}"
  klick "${knopf_tabelle_waehlen[@]}"
  timeout 10 xdotool search --sync --name "Tabelle KOSTRA-DWD-2020" >/dev/null
  sleep 0.5
  tippen "$kostra_tabelle"
  klick "${feld_kostra_ort[@]}"
  tippen 049125
}

foto() {  # picture, project (or "-"), then the steps before the picture
  local bild=$1 projekt=$2
  shift 2
  env HOME="$heim" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$skala" \
    "$programm" >/dev/null 2>&1 &
  local pid=$!
  local fenster
  fenster=$(timeout 20 xdotool search --sync --name "^Dachkandelmesser nach DIN EN 12056" | head -1)
  sleep 1
  if [ "$projekt" != - ]; then
    klick "${knopf_aufrufen[@]}"
    timeout 10 xdotool search --sync --name "vorhandenes Projekt aufrufen" >/dev/null
    sleep 0.5
    xdotool type --delay 10 "$projekte/$projekt"
    xdotool key Return
    sleep 1.5
  fi
  local schritt
  for schritt in "$@"; do
    # shellcheck disable=SC2086
    $schritt
  done
  # the pointer leaves the window, so that no button shows its hover state; a help box stays for its picture
  case "$bild" in hilfe*) ;; *) xdotool mousemove 5000 5000; sleep 0.5 ;; esac
  import -window "$fenster" "docs/$bild"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

bildschirm() {  # width height scale suffix
  Xvfb "$anzeige" -screen 0 "$1x$2x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  export DISPLAY=$anzeige
  skala=$3
  foto "traufe$4.png" Reihenhaus_Traufe.Dkm
  foto "innen$4.png" Halle_innenliegend.Dkm "klick ${knopf_korr[*]}"
  foto "gesamt$4.png" Reihenhaus_6_Ablaeufe.Dkm
  foto "kostra$4.png" Reihenhaus_Traufe.Dkm kostra_suchen
  # an internal gutter switched to an eaves gutter: the window keeps its size
  foto "umschalten_traufe$4.png" Halle_innenliegend.Dkm "klick ${option_vorgehaengt[*]}"
  if [ "$3" = 1 ]; then
    foto hilfe_option5.png Halle_innenliegend.Dkm "schweben ${option_laengsseite[*]}"
    foto leitfaden_regenspende.png - "klick ${knopf_leitfaden[*]}" "klick ${knopf_leitfaden_weiter[*]}" \
      "klick ${knopf_leitfaden_weiter[*]}" "klick ${knopf_leitfaden_weiter[*]}" "klick ${knopf_leitfaden_weiter[*]}"
  fi
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
}

bildschirm 1366 768 1 ""
bildschirm 1920 1080 1.5 "_150"
ls -l docs/*.png
