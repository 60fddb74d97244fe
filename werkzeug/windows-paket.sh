#!/usr/bin/env bash
# The Windows delivery from the cross build (werkzeug/windows-ci.sh):
#   paket-build/windows/Dachkandelmesser/                      the program folder
#   paket-build/windows/Dachkandelmesser-<version>-win64-setup.exe   NSIS setup
#   paket-build/windows/Dachkandelmesser-<version>-win64.zip   same folder, no admin rights needed
# Aufruf: werkzeug/windows-paket.sh [Baufolder, sonst build-win] [--pruefen]
#   --pruefen  installs the setup silently in a fresh Wine prefix, starts the installed window with an
#              example (in Xvfb, DKM_XVFB_ANZEIGE, default :85) and the installed dkm-rechner with --pdf,
#              and uninstalls it again.
# DKM_WINDOWS_PROGRAMME (list of .exe) packs other programs, e.g. a probe.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD

source werkzeug/pakete.sh
pakete_installieren nsis icoutils zip binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix fonts-liberation2 libzip4 \
  libz-mingw-w64-dev \
  qt6-translations-l10n xvfb x11-utils xdotool

bau=build-win
pruefen=
for a in "$@"; do
  case "$a" in
    --pruefen) pruefen=1 ;;
    *) bau=$a ;;
  esac
done
kit="${DKM_QT_MINGW:-$HOME/.cache/dachkandelmesser/qt-6.4.2-mingw}"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")
[ -n "$version" ] || { echo "$bau ist kein Baufolder des Windows-Baus." >&2; exit 1; }

aus=$wurzel/paket-build/windows
ordner=$aus/Dachkandelmesser
rm -rf "$ordner"
mkdir -p "$ordner"/{platforms,styles,schriften,lizenzen,translations}

# --- the folder ---------------------------------------------------------------------------------
# dkm-pdf.dll: dkm-rechner's PDF writer, loaded by --pdf only
read -r -a programme <<< "${DKM_WINDOWS_PROGRAMME:-$bau/dachkandelmesser.exe $bau/dkm-rechner.exe $bau/dkm-pdf.dll}"
cp "${programme[@]}" "$ordner/"
for teil in Core Gui Widgets PrintSupport; do cp "$kit/bin/Qt6$teil.dll" "$ordner/"; done
# dkm-rechner's PDF writer needs no screen: the offscreen platform
cp "$kit/plugins/platforms/qwindows.dll" "$kit/plugins/platforms/qoffscreen.dll" "$ordner/platforms/"
cp "$kit/plugins/styles/qwindowsvistastyle.dll" "$ordner/styles/"
laufzeit=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
cp "$laufzeit/libstdc++-6.dll" "$laufzeit/libgcc_s_seh-1.dll" "$ordner/"
cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)" "$ordner/"
# The plugins come from this folder, never from the kit's recorded prefix
# (which exists on the build machine and would hide a missing plugin under Wine).
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' > "$ordner/qt.conf"
# the German texts of the toolkit's own dialog buttons ("Ja", "Abbrechen")
cp /usr/share/qt6/translations/qtbase_de.qm "$ordner/translations/"
cp /usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf "$ordner/schriften/"

symbole=()
for g in 16 24 32 48 64; do symbole+=("paket/symbole/dachkandelmesser_$g.png"); done
# the large size as PNG inside the icon, as Windows expects it
icotool -c -o "$ordner/dachkandelmesser.ico" "${symbole[@]}" -r paket/symbole/dachkandelmesser_256.png

# Texts for Windows' editors: CR LF; the NSIS pages read UTF-8 only with a byte order mark.
windows_text() { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$1"; }
windows_text LICENSE > "$ordner/LICENSE.txt"
windows_text paket/windows/Hinweise.txt > "$ordner/Hinweise.txt"
windows_text /usr/share/common-licenses/LGPL-3 > "$ordner/lizenzen/LGPL-3.txt"
windows_text /usr/share/common-licenses/GPL-3 > "$ordner/lizenzen/GPL-3.txt"
windows_text /usr/share/doc/gcc-mingw-w64-base/copyright > "$ordner/lizenzen/gcc-laufzeit.txt"
windows_text /usr/share/doc/mingw-w64-common/copyright > "$ordner/lizenzen/mingw-w64.txt"
windows_text /usr/share/doc/fonts-liberation2/copyright > "$ordner/lizenzen/Liberation.txt"
windows_text /usr/share/doc/libzip4/copyright > "$ordner/lizenzen/libzip.txt"
windows_text /usr/share/doc/libz-mingw-w64-dev/copyright > "$ordner/lizenzen/zlib.txt"

find "$ordner" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# Every DLL that comes from the kit or MinGW must lie in the folder; the rest belongs to Windows.
fehlt=0
while IFS= read -r datei; do
  while IFS= read -r dll; do
    if [ -e "$kit/bin/$dll" ] || [ -e "$laufzeit/$dll" ] || [ -e "/usr/x86_64-w64-mingw32/lib/$dll" ]; then
      [ -e "$ordner/$dll" ] || { echo "${datei#"$ordner"/} braucht $dll, das im Ordner fehlt." >&2; fehlt=1; }
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$datei" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$ordner" \( -name '*.exe' -o -name '*.dll' \))
[ "$fehlt" = 0 ] || exit 1

# --- setup program and zip ----------------------------------------------------------------------
# The uninstaller removes exactly the files installed (deepest folders last).
dateien=$aus/dateien.nsh
{
  (cd "$ordner" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  (cd "$ordner" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
} > "$dateien"

setup=$aus/Dachkandelmesser-$version-win64-setup.exe
zip=$aus/Dachkandelmesser-$version-win64.zip
rm -f "$setup" "$zip"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DORDNER="$ordner" -DDATEIEN="$dateien" \
  -DAUSGABE="$setup" paket/windows/dachkandelmesser.nsi
(cd "$aus" && zip -qr -9 "$zip" Dachkandelmesser)

# --- install and uninstall under Wine -----------------------------------------------------------
if [ -n "$pruefen" ]; then
  source werkzeug/wine.sh
  rm -rf "$aus/wine"
  export DKM_WINEPREFIX=$aus/wine
  wine_praefix "$DKM_WINEPREFIX"
  programme_c="$WINEPREFIX/drive_c/Program Files/Dachkandelmesser"
  menue="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dachkandelmesser.lnk"
  wine_konsole "$setup" /S
  "${wine_programm%/*}/wineserver" -w
  for d in dachkandelmesser.exe platforms/qwindows.dll styles/qwindowsvistastyle.dll schriften/LiberationSans-Regular.ttf Deinstallieren.exe; do
    [ -f "$programme_c/$d" ] || { echo "Setup: $d nicht installiert." >&2; exit 1; }
  done
  [ -f "$menue" ] || { echo "Setup: kein Eintrag im Startmenü." >&2; exit 1; }
  env -u DISPLAY "$wine_programm" reg query 'HKLM\Software\Classes\.Dkm' 2>/dev/null | grep -q Dachkandelmesser.Projekt \
    || { echo "Setup: .Dkm ist nicht dem Dachkandelmesser zugeordnet." >&2; exit 1; }
  # The installed programs run from their folder alone (no DLL path into the kit or MinGW): dkm-rechner
  # writes the report through its PDF library with the fonts that travel along, and the window opens an
  # example and names it in its title.
  export DKM_WINE_NUR_ORDNER=1
  probe=$(mktemp -d)
  trap 'rm -rf "$probe"; wine_ende' EXIT
  (cd "$probe" && wine_konsole "$programme_c/dkm-rechner.exe" --pdf probe.pdf "$wurzel/examples/traufe_einzel.Dkm")
  # the two report pages and the record's two
  [ "$(grep -ac '/Type /Page$' "$probe/probe.pdf")" = 4 ] || { echo "Installiert: kein PDF mit vier Seiten." >&2; exit 1; }
  grep -aq 'LiberationSans' "$probe/probe.pdf" || { echo "Installiert: PDF ohne die mitgelieferte Schrift." >&2; exit 1; }
  # a server left running without a display would keep the window off the screen
  "${wine_programm%/*}/wineserver" -w
  wine_xvfb
  # on the screen, whatever platform the calling shell names: CI runs with the offscreen one (the folder
  # carries it for dkm-rechner's PDF writer), which the console call above handed on as WINEQT_QPA_PLATFORM
  (
    unset QT_QPA_PLATFORM WINEQT_QPA_PLATFORM
    wine_fenster "$programme_c/dachkandelmesser.exe" "$wurzel/examples/traufe_einzel.Dkm"
  ) &
  fenster=$!
  anzeige=${DKM_XVFB_ANZEIGE:-:85}
  gefunden=
  # a fresh prefix builds its font cache on the first start of a window program: up to a minute
  for _ in $(seq 240); do
    if DISPLAY=$anzeige xdotool search --name 'traufe_einzel\.Dkm' >/dev/null 2>&1; then gefunden=1; break; fi
    sleep 0.5
  done
  if [ -z "$gefunden" ]; then
    echo "Installiert: kein Fenster mit dem Beispiel im Titel; Fenster:" >&2
    DISPLAY=$anzeige xdotool search --name . getwindowname %@ >&2 || true
    DISPLAY=$anzeige import -window root "$aus/fenster-fehlt.png" 2>/dev/null || true
  fi
  "${wine_programm%/*}/wineserver" -k 2>/dev/null || true
  # the window only: the Xvfb started above is a child of this shell as well
  wait "$fenster" || true
  [ -n "$gefunden" ] || exit 1
  # A file of the user's in the program folder survives the uninstaller.
  echo x > "$programme_c/eigene Notiz.txt"
  wine_konsole "$programme_c/Deinstallieren.exe" /S
  "${wine_programm%/*}/wineserver" -w
  [ ! -e "$programme_c/dachkandelmesser.exe" ] && [ ! -e "$programme_c/platforms" ] && [ ! -e "$menue" ] \
    || { echo "Deinstallation: Reste geblieben." >&2; exit 1; }
  [ -f "$programme_c/eigene Notiz.txt" ] || { echo "Deinstallation: fremde Datei gelöscht." >&2; exit 1; }
  if env -u DISPLAY "$wine_programm" reg query 'HKLM\Software\Classes\.Dkm' >/dev/null 2>&1; then
    echo "Deinstallation: .Dkm noch eingetragen." >&2
    exit 1
  fi
  echo "Setup installiert und deinstalliert unter Wine sauber."
fi
echo "Windows-Paket: $setup ($(du -h "$setup" | cut -f1)), $zip ($(du -h "$zip" | cut -f1))"
