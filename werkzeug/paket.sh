#!/usr/bin/env bash
# Builds the Debian package dachkandelmesser_VERSION_ARCH.deb into paket-build/ as a distribution would:
# Debian's hardening flags, every file time the release date of paket/debian/changelog. Checks it with
# hardening-check and lintian (anything lintian reports fails), then builds it once more in paket-build-2/:
# both packages must be the same byte for byte. `--einmal` leaves the second build out.
# DKM_BILDER_URL in the environment: where the software centre finds the screenshots (else none are listed).
set -euo pipefail
cd "$(dirname "$0")/.."
zweimal=1
[ "${1:-}" = --einmal ] && zweimal=0

source werkzeug/pakete.sh
pakete=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev dpkg-dev file binutils)
pakete_installieren "${pakete[@]}"
# devscripts brings hardening-check; what it recommends is a hundred packages this script never uses
pakete_installieren --ohne-empfehlungen lintian devscripts

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l paket/debian/changelog -STimestamp)
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"

bauen() {  # build folder; prints the package's path
  # From scratch: generated files of an earlier build (the icons' resource file with its file times) would stay.
  # CMake reads no CPPFLAGS. The build folder's name must not reach the debug notes, whose hash is the build ID.
  rm -rf "$1"
  # The prefix of the package: its private library goes to /usr/lib/<architecture>/dachkandelmesser.
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=None -DDKM_TESTS=OFF -DDKM_BENCH=OFF -DDKM_DEBIAN=ON -DCMAKE_INSTALL_PREFIX=/usr \
    "-DDKM_BILDER_URL=${DKM_BILDER_URL:-}" \
    "-DCMAKE_CXX_FLAGS=$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$PWD/$1=." "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$LDFLAGS" >/dev/null
  if ! cmake --build "$1" -j"$(nproc)" >"$1/bauen.log" 2>&1; then
    tail -n 40 "$1/bauen.log" >&2
    exit 1
  fi
  (cd "$1" && cpack -G DEB >/dev/null)
  ls "$1"/dachkandelmesser_*.deb
}
fehler() { echo "FEHLER: $*" >&2; exit 1; }

deb=$(bauen paket-build)
abh=$(dpkg-deb -f "$deb" Depends)
[[ $abh == *libqt6widgets6* ]] || fehler "$deb: keine Abhängigkeit von Qt 6: $abh"
[[ $abh == *qt6-translations-l10n* ]] || fehler "$deb: ohne die deutschen Texte der Qt-Dialoge: $abh"

# The programs as installed: hardened, without the compiler's notes. Control flow protection is left out:
# Debian 12's own start files (Scrt1.o, crti.o) lack it, so no program linked there can have it.
inhalt=$(mktemp -d)
trap 'rm -rf "$inhalt"' EXIT
dpkg-deb -x "$deb" "$inhalt"
pdf_bibliothek=$(cd "$inhalt/usr" && find lib -name dkm-pdf.so)
for p in bin/dachkandelmesser bin/dkm-rechner "$pdf_bibliothek"; do
  hardening-check --nocfprotection "$inhalt/usr/$p" >/dev/null ||
    { hardening-check --nocfprotection "$inhalt/usr/$p"; fehler "$p nicht gehärtet"; }
  if readelf -S "$inhalt/usr/$p" | grep -q '\.comment'; then fehler "$p hat einen Abschnitt .comment"; fi
done

# Anything lintian says fails; the program is not a Debian upload, so no source package checks.
lintian -EI --pedantic --fail-on error,warning,info,pedantic,experimental \
  --suppress-tags bad-distribution-in-changes-file "$deb"

if [ "$zweimal" = 1 ]; then
  zweites=$(bauen paket-build-2)
  cmp "$deb" "$zweites" || fehler "zwei Bauten ergeben verschiedene Pakete ($deb, $zweites)"
  rm -rf paket-build-2
  echo "Zweimal gebaut, beide Pakete gleich."
fi
echo "Paket: $deb"
