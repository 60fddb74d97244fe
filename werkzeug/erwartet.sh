#!/usr/bin/env bash
# Writes the expected dkm-rechner dumps and report texts of the bundled examples
# anew (German locale for the dumps, no own places, an empty settings folder).
# Run after a change that is meant to change them, and read the diff before
# committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
leer="$(mktemp -d)"
trap 'rm -rf "$leer"' EXIT
for datei in examples/*.Dkm examples/*.Dkl; do
  name="$(basename "$datei")"
  (cd "$leer" && XDG_CONFIG_HOME="$leer/konfig" LC_ALL= LC_NUMERIC= LANG=de_DE.UTF-8 \
     "$OLDPWD/build/dkm-rechner" "$OLDPWD/$datei" >"$OLDPWD/tests/cli/erwartet/$name.json")
  # the report as the report test reads it: point as separator, a fixed date
  (cd "$leer" && XDG_CONFIG_HOME="$leer/konfig" LC_ALL=C LC_NUMERIC= LANG= \
     "$OLDPWD/build/dkm-rechner" --bericht "$OLDPWD/$datei" --datum 01.02.2026 \
     >"$OLDPWD/tests/report/erwartet/${name%.*}.txt")
done
