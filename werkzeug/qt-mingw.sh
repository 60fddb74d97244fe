#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows (MinGW-w64, POSIX threads) from Debian's own
# qt6-base source: Core, Gui, Widgets, PrintSupport, Test, the qwindows platform
# plugin and the windowsvista style; nothing else. The kit records its install
# prefix, so it lives in a fixed folder outside the repository:
#   ${DKM_QT_MINGW:-$HOME/.cache/dachkandelmesser/qt-6.4.2-mingw}
# A finished kit (its stamp file names the same Qt version, options and patches)
# is reused; delete the folder to force a new build (e.g. after a new compiler).
# Takes 30-60 minutes on two cores; run under nice on a shared machine.
# Aufruf: werkzeug/qt-mingw.sh [--kennung]   (--kennung: print the stamp and stop)
set -euo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"
start=$(date +%s)

kit="${DKM_QT_MINGW:-$HOME/.cache/dachkandelmesser/qt-6.4.2-mingw}"
arbeit="${DKM_QT_MINGW_ARBEIT:-$kit-bau}"
jobs="${DKM_JOBS:-$(nproc)}"
stempel="$kit/.dkm-kit"
version=6.4.2

# Only what the program needs: no OpenGL, network, SQL, XML, D-Bus or JPEG.
# Direct2D stays off: its platform plugin is not needed, and the DirectWrite
# code depends on it (patch directwrite-nur-mit-direct2d).
optionen=(-release -shared -nomake tests -nomake examples
  -no-opengl -no-direct2d -no-dbus -no-pkg-config -no-icu -no-zstd
  -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-vulkan)

# What the kit is built from; any change there builds it anew.
kennung=$( { echo "$version"; printf '%s\n' "${optionen[@]}"; cat "$hier"/qt-mingw/*.patch; } | sha256sum | cut -c1-16)
if [ "${1:-}" = --kennung ]; then
  echo "$kennung"
  exit 0
fi

dauer() { local s=$(( $(date +%s) - start )); printf '%d min %02d s' $((s / 60)) $((s % 60)); }

if [ -f "$stempel" ] && [ "$(cat "$stempel")" = "$kennung" ]; then
  echo "Qt-Kit für Windows vorhanden: $kit ($(dauer))"
  exit 0
fi

source "$hier/pakete.sh"
pakete_installieren g++-mingw-w64-x86-64-posix ninja-build cmake perl patch xz-utils \
  dpkg-dev qt6-base-dev qt6-base-dev-tools

# The host tools (moc, rcc, uic) must be the very version we build.
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
case "$debian_version" in
  "$version"+*) ;;
  *) echo "Erwartet wird Debians Qt $version, installiert ist $debian_version." >&2; exit 1 ;;
esac

quellpakete_einrichten qt6-base

# Only a folder of ours is ever wiped: a kit (stamp) or a build that broke off (mark).
if [ -d "$kit" ] && [ -n "$(ls -A "$kit")" ] && [ ! -f "$stempel" ] && [ ! -f "$kit/.dkm-kit-im-bau" ]; then
  echo "$kit ist kein Qt-Kit dieses Skripts; bitte einen anderen Ordner über DKM_QT_MINGW wählen." >&2
  exit 1
fi
rm -rf "$arbeit" "$kit"
mkdir -p "$arbeit" "$kit"
touch "$kit/.dkm-kit-im-bau"
cd "$arbeit"
echo "Hole qt6-base $debian_version"
apt-get source --download-only -qq "qt6-base=$debian_version"
# Unpacks and applies Debian's own patches.
dpkg-source -x --no-check qt6-base_*.dsc quelle >/dev/null

cd quelle
for p in "$hier"/qt-mingw/*.patch; do
  echo "Wende $(basename "$p") an"
  if ! patch -p1 --forward --batch --dry-run -s < "$p" >/dev/null; then
    echo "$(basename "$p") passt nicht mehr auf die Qt-Quelle $debian_version." >&2
    exit 1
  fi
  patch -p1 --forward --batch -s < "$p"
done

mkdir -p "$arbeit/bau"
cd "$arbeit/bau"
echo "Konfiguriere"
../quelle/configure -prefix "$kit" -qt-host-path /usr -xplatform win32-g++ "${optionen[@]}" \
  -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$hier/mingw-toolchain.cmake" -DDKM_QT_MINGW="$arbeit/kein-kit" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF > "$arbeit/konfiguration.log" 2>&1 \
  || { tail -40 "$arbeit/konfiguration.log" >&2; exit 1; }

# Stop early if a part the program needs was switched off on the way.
for teil in 'Qt Widgets' 'Qt PrintSupport' 'Qt Testlib' ; do
  grep -Eq "^\s*${teil}[ .]+yes" config.summary \
    || { echo "Qt-Konfiguration ohne $teil, siehe $arbeit/bau/config.summary" >&2; exit 1; }
done

echo "Baue Qt ($jobs Aufträge), das dauert"
cmake --build . --parallel "$jobs" > "$arbeit/bau.log" 2>&1 \
  || { grep -m5 -B2 -A10 'error\|FAILED' "$arbeit/bau.log" >&2; exit 1; }
cmake --install . > "$arbeit/installation.log" 2>&1

for datei in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll bin/Qt6Test.dll \
             plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll; do
  [ -f "$kit/$datei" ] || { echo "Im Kit fehlt $datei" >&2; exit 1; }
done

echo "$kennung" > "$stempel"
rm -f "$kit/.dkm-kit-im-bau"
[ -n "${DKM_QT_MINGW_BEHALTEN:-}" ] || rm -rf "$arbeit"
echo "Qt-Kit für Windows gebaut: $kit, $(du -sh "$kit" | cut -f1), in $(dauer)"
