#!/usr/bin/env bash
# Runs the cross-built Windows programs under Wine, each build folder with its
# own fresh Wine prefix (<build>/wine), so nothing leaks into the user's ~/.wine.
#
# As a command (also CMake's CMAKE_CROSSCOMPILING_EMULATOR, so ctest and the
# test discovery run the .exe files through it):
#   werkzeug/wine.sh programm.exe [Argumente]          console program, no display
#   DKM_WINE_FENSTER=1 werkzeug/wine.sh programm.exe   window program, inside Xvfb
# Sourced, it offers the functions wine_praefix, wine_konsole and wine_fenster.
#
# Settings: DKM_WINEPREFIX (prefix folder; default: the build folder of the
# program, found through its CMakeCache.txt), DKM_QT_MINGW (Qt kit, its DLLs are
# found through WINEPATH), DKM_XVFB_ANZEIGE (Xvfb display, default :85), DKM_WINE_NUR_ORDNER (no
# WINEPATH: a program finds its DLLs in its own folder only).

wine_programm=/usr/lib/wine/wine64
# Without wine32 the `wine` wrapper nags on every start; the 64-bit loader is enough.
[ -x "$wine_programm" ] || wine_programm=$(command -v wine64 || command -v wine)

# Windows paths of the folders whose DLLs the programs load: MinGW's runtime and Qt.
wine_dll_pfad() {
  local ordner=() d
  d=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  ordner+=("$d" "$(cd "$d/../../../../x86_64-w64-mingw32/lib" && pwd)")
  local kit="${DKM_QT_MINGW:-$HOME/.cache/dachkandelmesser/qt-6.4.2-mingw}"
  [ -d "$kit/bin" ] && ordner+=("$kit/bin")
  local pfad=""
  for d in "${ordner[@]}"; do
    pfad+="${pfad:+;}Z:${d//\//\\}"
  done
  echo "$pfad"
}

# Wine keeps the QT_* variables of the Unix side from its programs unless they
# come with a WINE prefix: so QT_QPA_PLATFORM=offscreen reaches them. (TEMP is
# the prefix's own, C:\users\<name>\Temp, whatever TMPDIR says; the prefix
# belongs to one build folder, so two checkouts still keep apart.)
wine_umgebung() {
  local v
  for v in $(compgen -e); do
    [[ $v == QT_* ]] && export "WINE$v=${!v}"
  done
  return 0
}

# The build folder above a program: the first folder upwards with a CMakeCache.txt.
wine_baufolder() {
  local d
  d=$(cd "$(dirname "$1")" && pwd)
  while [ "$d" != / ]; do
    [ -f "$d/CMakeCache.txt" ] && { echo "$d"; return; }
    d=$(dirname "$d")
  done
  return 1
}

# Creates the prefix on first use. Concurrent first starts (ctest -j2) wait for
# one another, because two wineboots in one empty prefix break it.
wine_praefix() {
  local praefix=$1
  export WINEPREFIX=$praefix
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono/Gecko download dialogs, and no menu entries or file associations
  # leaking from a test installation into the user's desktop.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # DKM_WINE_NUR_ORDNER: an installed program finds its DLLs in its own folder or not at all
  export WINEPATH=
  [ -n "${DKM_WINE_NUR_ORDNER:-}" ] || WINEPATH=$(wine_dll_pfad)
  [ -f "$praefix/.dkm-fertig" ] && return 0
  mkdir -p "$praefix"
  (
    flock 9
    if [ ! -f "$praefix/.dkm-fertig" ]; then
      env -u DISPLAY "$wine_programm" wineboot --init >/dev/null 2>&1
      "${wine_programm%/*}/wineserver" -w
      touch "$praefix/.dkm-fertig"
    fi
  ) 9>"$praefix/.dkm-sperre"
}

wine_praefix_fuer() {
  local praefix=${DKM_WINEPREFIX:-}
  if [ -z "$praefix" ]; then
    local bau
    bau=$(wine_baufolder "$1") || bau=$PWD
    praefix=$bau/wine
  fi
  wine_praefix "$praefix"
}

# Console program: no display at all, so nothing waits for an X server.
wine_konsole() {
  wine_praefix_fuer "$1"
  wine_umgebung
  env -u DISPLAY "$wine_programm" "$@"
}

# Xvfb on DKM_XVFB_ANZEIGE, started here if it is not running yet (wine_ende stops it again).
wine_xvfb_pid=
wine_xvfb() {
  local anzeige=${DKM_XVFB_ANZEIGE:-:85}
  xdpyinfo -display "$anzeige" >/dev/null 2>&1 && return 0
  Xvfb "$anzeige" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
  wine_xvfb_pid=$!
  for _ in $(seq 50); do
    xdpyinfo -display "$anzeige" >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# Window program inside Xvfb. (Started in the background, call wine_xvfb first, so that
# wine_ende knows the Xvfb.) A prefix whose server already runs without a display keeps
# its windows there: start window programs in a prefix of their own or after wineserver -w.
wine_fenster() {
  wine_praefix_fuer "$1"
  wine_umgebung
  wine_xvfb
  DISPLAY=${DKM_XVFB_ANZEIGE:-:85} "$wine_programm" "$@"
}

# Ends the programs still running in the prefix, waits until its server is gone (a program
# started while it goes cannot reach it), and ends an Xvfb started above.
wine_ende() {
  if [ -n "${WINEPREFIX:-}" ]; then
    "${wine_programm%/*}/wineserver" -k 2>/dev/null || true
    "${wine_programm%/*}/wineserver" -w 2>/dev/null || true
  fi
  if [ -n "$wine_xvfb_pid" ]; then
    kill "$wine_xvfb_pid" 2>/dev/null || true
    # gone, display and lock file, before another may take the number
    wait "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
  fi
  return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  [ $# -ge 1 ] || { echo "Aufruf: $0 programm.exe [Argumente]" >&2; exit 2; }
  if [ -n "${DKM_WINE_FENSTER:-}" ]; then
    # the window tests' prefix ends with each test: the next one starts a server of its own
    trap wine_ende EXIT
    wine_fenster "$@"
  else
    wine_konsole "$@"
  fi
fi
