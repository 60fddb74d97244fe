# Sourced by the set-up scripts: installs the Debian packages named as arguments
# that are not installed yet (as non-root through sudo).
pakete_installieren() {
  local fehlend=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -gt 0 ] || return 0
  echo "Installiere: ${fehlend[*]}"
  local als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${fehlend[@]}"
}
