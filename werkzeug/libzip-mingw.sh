#!/usr/bin/env bash
# Builds libzip for 64-bit Windows (MinGW-w64) from Debian's own libzip source as a static
# library against Debian's zlib for MinGW, so the rain table's zip is read on Windows too.
# Like the Qt kit it lives outside the repository:
#   ${DKM_LIBZIP_MINGW:-$HOME/.cache/dachkandelmesser/libzip-mingw}
# and a finished one (its stamp names the same source version and options) is reused.
# Takes about a minute. Aufruf: werkzeug/libzip-mingw.sh
set -euo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"
start=$(date +%s)

ziel="${DKM_LIBZIP_MINGW:-$HOME/.cache/dachkandelmesser/libzip-mingw}"
arbeit="$ziel-bau"
stempel="$ziel/.dkm-libzip"

source "$hier/pakete.sh"
pakete_installieren g++-mingw-w64-x86-64-posix libz-mingw-w64-dev cmake ninja-build dpkg-dev pkg-config

# Only the plain deflate method: no bzip2, xz, zstd or encryption, no tools.
optionen=(-DBUILD_SHARED_LIBS=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF
  -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
  -DENABLE_WINDOWS_CRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF)

quellpakete_einrichten libzip
version=$(apt-cache showsrc libzip | sed -n 's/^Version: //p' | sort -V | tail -1)
# what it is built from and how, this script included
kennung=$( { echo "$version"; cat "$0"; } | sha256sum | cut -c1-16)
if [ -f "$stempel" ] && [ "$(cat "$stempel")" = "$kennung" ]; then
  echo "libzip für Windows vorhanden: $ziel"
  exit 0
fi

rm -rf "$arbeit" "$ziel"
mkdir -p "$arbeit"
cd "$arbeit"
apt-get source --download-only -qq "libzip=$version"
dpkg-source -x --no-check libzip_*.dsc quelle >/dev/null
cmake -S quelle -B bau -G Ninja -DCMAKE_TOOLCHAIN_FILE="$hier/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$ziel" "${optionen[@]}" > konfiguration.log 2>&1 || { tail -30 konfiguration.log >&2; exit 1; }
cmake --build bau > bau.log 2>&1 || { tail -30 bau.log >&2; exit 1; }
cmake --install bau > /dev/null
# A static libzip must be declared so to its users, or they look for it in a DLL; zlib goes
# into the program too (-l:libz.a, not its DLL), so no further DLL travels with it.
sed -i -e 's/^Cflags: \(.*\)$/Cflags: \1 -DZIP_STATIC/' -e 's/^Libs: \(.*\)$/Libs: \1 -ladvapi32 -l:libz.a/' \
  -e '/^Libs.private:/d' "$ziel/lib/pkgconfig/libzip.pc"
echo "$kennung" > "$stempel"
rm -rf "$arbeit"
echo "libzip $version für Windows gebaut: $ziel in $(( $(date +%s) - start )) s"
