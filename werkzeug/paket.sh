#!/usr/bin/env bash
# Builds the Debian package dachkandelmesser_VERSION_ARCH.deb into paket-build/ and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

source werkzeug/pakete.sh
pakete=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev dpkg-dev file lintian)
pakete_installieren "${pakete[@]}"

# A build of its own: without tests and benchmarks, with Debian's doc files.
cmake -S . -B paket-build -DCMAKE_BUILD_TYPE=Release -DDKM_TESTS=OFF -DDKM_BENCH=OFF -DDKM_DEBIAN_DOKU=ON >/dev/null
cmake --build paket-build -j"$(nproc)"
rm -f paket-build/dachkandelmesser_*.deb
(cd paket-build && cpack -G DEB >/dev/null)
deb=$(ls paket-build/dachkandelmesser_*.deb)

abh=$(dpkg-deb -f "$deb" Depends)
[[ $abh == *libqt6widgets6* ]] || { echo "$deb: keine Abhängigkeit von Qt 6: $abh" >&2; exit 1; }
# Errors fail, warnings are shown; the program is not a Debian upload, so no source package checks.
lintian --fail-on error --suppress-tags bad-distribution-in-changes-file "$deb"
echo "Paket: $deb"
