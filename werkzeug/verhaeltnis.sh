#!/bin/sh
# Non-blank source lines of the tests against those of the program (golden outputs under erwartet/ are data).
cd "$(dirname "$0")/.." || exit 1
zeilen() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name 'CMakeLists.txt' \) \
    -not -path '*/erwartet/*' -exec cat {} + | grep -cv '^[[:space:]]*$'; }
tests=$(zeilen tests)
code=$(zeilen model calc bedienung files report ui app cli)
echo "Tests: $tests Zeilen, Programm: $code Zeilen, Verhältnis $(awk "BEGIN { printf \"%.2f\", $tests / $code }")"
