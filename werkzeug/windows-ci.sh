#!/usr/bin/env bash
# Draft of the Windows part of CI (not wired into .ci/run yet): the Qt kit
# (built once, about 30-60 minutes, then taken from its cache folder), the cross
# build into build-win/, the tests under Wine, dkm-rechner.exe against the golden
# outputs, a window smoke test in Xvfb, and the setup installed and uninstalled.
# DKM_XVFB_ANZEIGE picks the display for the window test (default :85).
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
start=$(date +%s)
schritt() { echo "== $1 ($(( $(date +%s) - start )) s)"; }

source werkzeug/pakete.sh
pakete_installieren cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 wine xvfb x11-utils xdotool \
  nsis icoutils zip fonts-liberation2

schritt "Qt-Kit für Windows"
bash werkzeug/qt-mingw.sh

schritt "Kreuzbau nach build-win"
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=werkzeug/mingw-toolchain.cmake \
  -DCMAKE_BUILD_TYPE=Release -DDKM_BENCH=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$wurzel/werkzeug/wine.sh" >/dev/null
cmake --build build-win -j"$(nproc)"

schritt "Tests unter Wine"
# ctest starts every .exe through wine.sh (the emulator above), all in build-win/wine.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-win -j2 --output-on-failure

schritt "dkm-rechner.exe gegen die erwarteten Ausgaben"
source werkzeug/wine.sh
leer=$(mktemp -d)
trap 'rm -rf "$leer"; wine_ende' EXIT
abweichungen=0
for datei in examples/*.Dkm examples/*.Dkl; do
  name=$(basename "$datei")
  # the same calls as werkzeug/erwartet.sh and the report tests, byte for byte
  (cd "$leer" && LC_ALL='' LC_NUMERIC='' LANG=de_DE.UTF-8 wine_konsole "$wurzel/build-win/dkm-rechner.exe" \
     "$wurzel/$datei") > "$leer/$name.json" || true
  cmp -s "$leer/$name.json" "tests/cli/erwartet/$name.json" \
    || { echo "Dump von $name weicht ab"; diff <(tr -d '\r' < "$leer/$name.json") "tests/cli/erwartet/$name.json" | head -5; abweichungen=1; }
  (cd "$leer" && LC_ALL=C wine_konsole "$wurzel/build-win/dkm-rechner.exe" --bericht "$wurzel/$datei" \
     --datum 01.02.2026) > "$leer/$name.txt" || true
  cmp -s "$leer/$name.txt" "tests/report/erwartet/${name%.*}.txt" \
    || { echo "Bericht von $name weicht ab"; abweichungen=1; }
done
[ "$abweichungen" = 0 ]

schritt "Fenster in Xvfb"
# Started with an example, the window's title names it. (Still to come: typing
# into a field changes a result box; "Als PDF speichern" writes two pages.)
anzeige=${DKM_XVFB_ANZEIGE:-:85}
Xvfb "$anzeige" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo -display "$anzeige" >/dev/null 2>&1 && break; sleep 0.1; done
DKM_XVFB_ANZEIGE=$anzeige wine_fenster "$wurzel/build-win/dachkandelmesser.exe" "$wurzel/examples/traufe_einzel.Dkm" &
gefunden=
for _ in $(seq 120); do
  if DISPLAY=$anzeige xdotool search --name "traufe_einzel" >/dev/null 2>&1; then gefunden=1; break; fi
  sleep 0.5
done
"${wine_programm%/*}/wineserver" -k
kill "$xvfb"
[ -n "$gefunden" ] || { echo "Kein Fenster mit dem Beispiel im Titel." >&2; exit 1; }

schritt "Setup und Zip"
bash werkzeug/windows-paket.sh build-win --pruefen

schritt "fertig"
