#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs from it:
# programs, menu entry, software-centre entry, file types (found by content), icons, manual pages, licence.
# Usage: installation.sh BUILD_ORDNER QUELL_ORDNER
set -euo pipefail
build=$1 quelle=$2 beispiel=$2/examples/traufe_einzel.Dkm
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
fehler=0
pruefe() { if ! "$@"; then echo "FEHLER: $*"; fehler=1; fi; }

cmake --install "$build" --prefix "$ziel" >/dev/null
id=de.dachkandelmesser.Dachkandelmesser
for f in bin/dachkandelmesser bin/dkm-rechner share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/dachkandelmesser.xml share/icons/hicolor/scalable/apps/dachkandelmesser.svg \
         share/doc/dachkandelmesser/LICENSE share/doc/dachkandelmesser/README.md \
         share/man/man1/dachkandelmesser.1 share/man/man1/dkm-rechner.1; do
  pruefe test -s "$ziel/$f"
done
for g in 16 22 24 32 48 64 128 256; do
  pruefe test -s "$ziel/share/icons/hicolor/${g}x$g/apps/dachkandelmesser.png"
done
pruefe test -x "$ziel/bin/dachkandelmesser"
pruefe grep -q "GNU GENERAL PUBLIC LICENSE" "$ziel/share/doc/dachkandelmesser/LICENSE"

pruefe desktop-file-validate "$ziel/share/applications/$id.desktop"
pruefe grep -qx 'Exec=dachkandelmesser %f' "$ziel/share/applications/$id.desktop"
# X11 names the window's class after the program (QApplication::applicationName)
pruefe grep -qx 'StartupWMClass=Dachkandelmesser' "$ziel/share/applications/$id.desktop"
pruefe appstreamcli validate --no-net --pedantic "$ziel/share/metainfo/$id.metainfo.xml"
# one release date everywhere: the newest changelog entry ("Sun, 06 Dec 2026 …" gives 2026-12-06)
datum=$(date -u -d "$(sed -n 's/^ -- .*>  //p' "$quelle/paket/debian/changelog" | head -n 1)" +%F)
pruefe grep -q "<release version=\"[0-9]*\\.[0-9]*\\.[0-9]*\" date=\"$datum\"" "$ziel/share/metainfo/$id.metainfo.xml"
pruefe grep -q "^\\.TH DKM-RECHNER 1 \"$datum\"" "$ziel/share/man/man1/dkm-rechner.1"
pruefe grep -q "^\\.TH DACHKANDELMESSER 1 \"$datum\"" "$ziel/share/man/man1/dachkandelmesser.1"
# every option of dkm-rechner explained in its manual page, which also has the exit status and examples
optionen=$(sed -n '/^\.SH OPTIONEN/,/^\.SH RÜCKGABEWERT/p' "$ziel/share/man/man1/dkm-rechner.1")
for o in bericht datum pdf speichern ersetzen help version; do pruefe grep -q -- "\\\\-\\\\-$o" <<<"$optionen"; done
for t in OPTIONEN RÜCKGABEWERT BEISPIELE; do pruefe grep -qx "\\.SH $t" "$ziel/share/man/man1/dkm-rechner.1"; done
for t in RÜCKGABEWERT DATEIEN; do pruefe grep -qx "\\.SH $t" "$ziel/share/man/man1/dachkandelmesser.1"; done
pruefe xmllint --noout "$ziel/share/mime/packages/dachkandelmesser.xml"

# The MIME database built from the installed XML alone, then a lookup by content: a file without
# a known ending is a project by its header line; the older files by their ending.
XDG_DATA_DIRS="$ziel/share" update-mime-database "$ziel/share/mime"
proben=$(mktemp -d -p "$ziel")
cp "$beispiel" "$proben/ohne_endung"
# an editor's UTF-8, with and without a byte order mark
{ printf 'Wertedatei f\xc3\xbcr Dachkandelmesser Version 07 08\r\n'; tail -n +2 "$beispiel"; } > "$proben/utf8"
{ printf '\xef\xbb\xbf'; cat "$proben/utf8"; } > "$proben/utf8_bom"
printf 'alt\r\n' > "$proben/Projekt.Dkl"
typ() { XDG_DATA_DIRS="$ziel/share" XDG_DATA_HOME="$ziel/leer" gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p'; }
for p in ohne_endung utf8 utf8_bom; do pruefe test "$(typ "$proben/$p")" = application/x-dachkandelmesser; done
# a text: editors offer to open it
pruefe grep -q '<sub-class-of type="text/plain"/>' "$ziel/share/mime/application/x-dachkandelmesser.xml"
pruefe test "$(typ "$proben/Projekt.Dkl")" = application/x-dachkandelmesser-alt
pruefe grep -q 'Dachkandelmesser-Projekt (ältere Version)' "$ziel/share/mime/application/x-dachkandelmesser-alt.xml"

# the installed dkm-rechner finds its PDF library; the plain calls need none of the toolkit
pruefe "$ziel/bin/dkm-rechner" --pdf "$ziel/probe.pdf" "$beispiel"
pruefe grep -q '^%PDF' "$ziel/probe.pdf"
if ldd "$ziel/bin/dkm-rechner" | grep -q libQt6; then echo "FEHLER: dkm-rechner lädt Qt"; fehler=1; fi
"$ziel/bin/dachkandelmesser" --version | grep -q '^Dachkandelmesser [0-9]' || { echo "FEHLER: --version"; fehler=1; }
exit $fehler
