#!/usr/bin/env bash
# Installs what is missing (Debian 12) and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev fonts-dejavu-core fonts-liberation2 poppler-utils libgtest-dev libgmock-dev libbenchmark-dev
        desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin dpkg-dev file)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${fehlend[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DKM_CMAKE_ARGS:-} >/dev/null
cmake --build build -j"$(nproc)"
