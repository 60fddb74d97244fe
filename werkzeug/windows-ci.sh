#!/usr/bin/env bash
# The Windows part of CI (.ci/run calls it after the Linux parts): the Qt kit and libzip for MinGW
# (built once into their cache folders, the kit about 30 minutes on two idle cores), the cross build
# into build-win/, the window-free tests and the window's smoke test under Wine, dkm-rechner.exe
# against the golden outputs, and the setup installed, started and uninstalled under Wine.
# DKM_XVFB_ANZEIGE picks the display for the window (default :85).
# Its steps on two cores: packages and sources about 4 min, kit 31-33 min (once), libzip and the Wine
# prefix half a minute, cross build 3-6 min, Wine 2 min; with the Linux part of .ci/run about
# 60-65 minutes on a fresh machine, under its 90.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
start=$(date +%s)
schritt() { echo "== Windows: $1 ($(( $(date +%s) - start )) s)"; }

source werkzeug/pakete.sh
pakete_installieren cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 wine xvfb x11-utils xdotool \
  nsis icoutils zip fonts-liberation2 fonts-wine imagemagick

schritt "Qt-Kit und libzip für Windows"
nice bash werkzeug/qt-mingw.sh
bash werkzeug/libzip-mingw.sh

# One wine server for the whole build and test run: a program started just as an idle server
# shuts down cannot reach it ("a wine server seems to be running, but I cannot connect to it").
# Its service processes start here, not inside a test, whose output ctest would wait for until
# they end. (The window's test has a prefix of its own, see tests/CMakeLists.txt.)
source werkzeug/wine.sh
leer=$(mktemp -d)
trap 'rm -rf "$leer"; wine_ende' EXIT
mkdir -p build-win
wine_praefix "$wurzel/build-win/wine"
"${wine_programm%/*}/wineserver" -p
env -u DISPLAY "$wine_programm" cmd.exe /c exit >/dev/null 2>&1 </dev/null

schritt "Kreuzbau nach build-win"
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=werkzeug/mingw-toolchain.cmake \
  -DCMAKE_BUILD_TYPE=Release -DDKM_BENCH=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$wurzel/werkzeug/wine.sh" >/dev/null
cmake --build build-win -j"$(nproc)"

schritt "Tests unter Wine"
# ctest starts every .exe through wine.sh (the emulator above), all in the prefix build-win/wine;
# the smoke test of the window on Windows' own platform in an Xvfb, one for all window tests.
wine_xvfb
QT_QPA_PLATFORM=offscreen ctest --test-dir build-win -j2 --output-on-failure

schritt "dkm-rechner.exe gegen die erwarteten Ausgaben"
# the plain calls need no toolkit: dkm-rechner.exe names none of its DLLs
if x86_64-w64-mingw32-objdump -p build-win/dkm-rechner.exe | grep -q 'DLL Name: Qt6'; then
  echo "dkm-rechner.exe lädt Qt." >&2
  exit 1
fi
abweichungen=0
for datei in examples/*.Dkm examples/*.Dkl; do
  name=$(basename "$datei")
  # the calls of werkzeug/erwartet.sh and of the report test, compared byte for byte
  (cd "$leer" && LC_ALL='' LC_NUMERIC='' LANG=de_DE.UTF-8 wine_konsole "$wurzel/build-win/dkm-rechner.exe" \
     "$wurzel/$datei") > "$leer/$name.json" || true
  cmp -s "$leer/$name.json" "tests/cli/erwartet/$name.json" \
    || { echo "Dump von $name weicht ab:"; diff "$leer/$name.json" "tests/cli/erwartet/$name.json" | head -5; abweichungen=1; }
  (cd "$leer" && LC_ALL=C wine_konsole "$wurzel/build-win/dkm-rechner.exe" --bericht "$wurzel/$datei" \
     --datum 01.02.2026) > "$leer/$name.txt" || true
  cmp -s "$leer/$name.txt" "tests/report/erwartet/${name%.*}.txt" \
    || { echo "Bericht von $name weicht ab:"; diff "$leer/$name.txt" "tests/report/erwartet/${name%.*}.txt" | head -5; abweichungen=1; }
done
[ "$abweichungen" = 0 ]

wine_ende
schritt "Setup und Zip, installiert, gestartet und deinstalliert unter Wine"
bash werkzeug/windows-paket.sh build-win --pruefen

schritt "fertig"
