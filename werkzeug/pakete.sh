# Sourced by the set-up scripts: installs the Debian packages named as arguments
# that are not installed yet (as non-root through sudo). --ohne-empfehlungen first
# leaves out what they only recommend.
pakete_installieren() {
  local empfehlungen=() fehlend=() p
  if [ "${1:-}" = --ohne-empfehlungen ]; then
    empfehlungen=(--no-install-recommends)
    shift
  fi
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -gt 0 ] || return 0
  local als_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Es fehlen Pakete, und ohne Administratorrechte (root oder sudo) lassen sie sich hier nicht installieren." >&2
      echo "Bitte als Administrator installieren und dann noch einmal starten:" >&2
      echo "  apt-get install ${empfehlungen[*]:+${empfehlungen[*]} }${fehlend[*]}" >&2
      exit 1
    fi
    als_root=(sudo)
  fi
  echo "Installiere: ${fehlend[*]}"
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${empfehlungen[@]}" "${fehlend[@]}"
}

# The deb-src entry that apt-get source needs (werkzeug/qt-mingw.sh, werkzeug/libzip-mingw.sh).
quellpakete_einrichten() {
  apt-cache showsrc "$1" 2>/dev/null | grep -q "^Package: $1" && return 0
  local als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  echo "Trage die Debian-Quellpakete (deb-src bookworm) ein"
  "${als_root[@]}" tee /etc/apt/sources.list.d/dkm-bookworm-src.sources >/dev/null <<'QUELLEN'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
QUELLEN
  "${als_root[@]}" apt-get update -qq
}
