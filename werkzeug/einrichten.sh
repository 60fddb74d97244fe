#!/usr/bin/env bash
# Installs what is missing (Debian 12) and builds into ./build: everything, or with
# --nur-programme only the two programs (what a first start needs, in a fraction of the time).
set -euo pipefail
cd "$(dirname "$0")/.."

source werkzeug/pakete.sh
pakete=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev qt6-translations-l10n fonts-dejavu-core fonts-liberation2 poppler-utils libgtest-dev libgmock-dev libbenchmark-dev libzip-dev
        desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin dpkg-dev file)
pakete_installieren "${pakete[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DKM_CMAKE_ARGS:-} >/dev/null
ziele=()
if [ "${1:-}" = --nur-programme ]; then
  ziele=(--target dkm-rechner)
  grep -q '^DKM_GUI:BOOL=ON' build/CMakeCache.txt && ziele+=(dachkandelmesser)
fi
cmake --build build -j"$(nproc)" "${ziele[@]}"
