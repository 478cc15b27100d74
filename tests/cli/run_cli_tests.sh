#!/usr/bin/env bash
# End-to-end checks of the headless mode: run the executable, compare its output.
set -u
VARNIK="$1"
pass=0
fail=0

check() { # name expected actual
    if [ "$2" == "$3" ]; then pass=$((pass + 1)); else
        fail=$((fail + 1)); printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"; fi
}

check "version" "varnik 0.1.0" "$("$VARNIK" --version)"

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
