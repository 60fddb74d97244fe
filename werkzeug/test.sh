#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash werkzeug/einrichten.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
