#!/usr/bin/env bash
# Packs the build as a .deb (CPack) twice, a second apart, with the release date as SOURCE_DATE_EPOCH: the two
# must be the same byte for byte. Checks that dpkg-shlibdeps found the Qt 6 libraries and that the toolkit's
# German dialog texts come along. (werkzeug/paket.sh builds and checks the real package.)
# Usage: paket.sh BUILD_ORDNER QUELL_ORDNER
set -euo pipefail
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$2/paket/debian/changelog" -STimestamp)
for n in 1 2; do
  cpack -G DEB --config "$1/CPackConfig.cmake" -B "$ziel/$n" >/dev/null
  sleep 1
done
deb=$(ls "$ziel"/1/dachkandelmesser_*.deb)
cmp "$deb" "$ziel"/2/dachkandelmesser_*.deb || { echo "FEHLER: zweimal gepackt, zwei verschiedene Pakete"; exit 1; }
abh=$(dpkg-deb -f "$deb" Depends)
for b in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-translations-l10n; do
  [[ $abh == *"$b"[\ ,]* ]] || { echo "FEHLER: $b fehlt in Depends: $abh"; exit 1; }
done
inhalt=$(TZ=UTC dpkg-deb -c "$deb")
[[ $inhalt == *" ./usr/bin/dachkandelmesser"$'\n'* ]] || { echo "FEHLER: Programm fehlt im Paket"; exit 1; }
zeit=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %H:%M')
[[ $inhalt == *" $zeit ./usr/bin/dkm-rechner"$'\n'* ]] || { echo "FEHLER: Dateizeit nicht die der Ausgabe ($zeit)"; exit 1; }
