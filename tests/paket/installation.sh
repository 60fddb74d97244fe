#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs from it:
# programs, menu entry, software-centre entry, file types (found by content), icons, licence.
# Usage: installation.sh BUILD_ORDNER BEISPIEL.Dkm
set -euo pipefail
build=$1 beispiel=$2
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
fehler=0
pruefe() { if ! "$@"; then echo "FEHLER: $*"; fehler=1; fi; }

cmake --install "$build" --prefix "$ziel" >/dev/null
id=de.dachkandelmesser.Dachkandelmesser
for f in bin/dachkandelmesser bin/dkm-rechner share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/dachkandelmesser.xml share/icons/hicolor/scalable/apps/dachkandelmesser.svg \
         share/doc/dachkandelmesser/LICENSE share/man/man1/dachkandelmesser.1 share/man/man1/dkm-rechner.1; do
  pruefe test -s "$ziel/$f"
done
for g in 16 22 24 32 48 64 128 256; do
  pruefe test -s "$ziel/share/icons/hicolor/${g}x$g/apps/dachkandelmesser.png"
done
pruefe test -x "$ziel/bin/dachkandelmesser"
pruefe grep -q "GNU GENERAL PUBLIC LICENSE" "$ziel/share/doc/dachkandelmesser/LICENSE"

pruefe desktop-file-validate "$ziel/share/applications/$id.desktop"
pruefe grep -qx 'Exec=dachkandelmesser %f' "$ziel/share/applications/$id.desktop"
pruefe appstreamcli validate --no-net --pedantic "$ziel/share/metainfo/$id.metainfo.xml"
pruefe grep -q '<release version="[0-9]*\.[0-9]*\.[0-9]*"' "$ziel/share/metainfo/$id.metainfo.xml"
pruefe xmllint --noout "$ziel/share/mime/packages/dachkandelmesser.xml"

# The MIME database built from the installed XML alone, then a lookup by content: a file without
# a known ending is a project by its header line; the older files by their ending.
XDG_DATA_DIRS="$ziel/share" update-mime-database "$ziel/share/mime"
proben=$(mktemp -d -p "$ziel")
cp "$beispiel" "$proben/ohne_endung"
printf 'alt\r\n' > "$proben/Projekt.Dkl"
typ() { XDG_DATA_DIRS="$ziel/share" XDG_DATA_HOME="$ziel/leer" gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p'; }
pruefe test "$(typ "$proben/ohne_endung")" = application/x-dachkandelmesser
pruefe test "$(typ "$proben/Projekt.Dkl")" = application/x-dachkandelmesser-alt
pruefe grep -q 'Dachkandelmesser-Projekt (ältere Version)' "$ziel/share/mime/application/x-dachkandelmesser-alt.xml"

"$ziel/bin/dachkandelmesser" --version | grep -q '^Dachkandelmesser [0-9]' || { echo "FEHLER: --version"; fehler=1; }
exit $fehler
