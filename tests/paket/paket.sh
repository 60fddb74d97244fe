#!/usr/bin/env bash
# Packs the build as a .deb (CPack) into a temporary folder and checks that dpkg-shlibdeps found the Qt 6 libraries.
# Usage: paket.sh BUILD_ORDNER
set -euo pipefail
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$ziel" >/dev/null
deb=$(ls "$ziel"/dachkandelmesser_*.deb)
abh=$(dpkg-deb -f "$deb" Depends)
for b in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  [[ $abh == *"$b "* ]] || { echo "FEHLER: $b fehlt in Depends: $abh"; exit 1; }
done
inhalt=$(dpkg-deb -c "$deb")
[[ $inhalt == *" ./usr/bin/dachkandelmesser"$'\n'* ]] || { echo "FEHLER: Programm fehlt im Paket"; exit 1; }
