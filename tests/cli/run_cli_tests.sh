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

list="$("$VARNIK" --list-commands)"
check "list: first line" "$(printf 'FileMenu\tFile\t\tfixed')" "$(echo "$list" | head -1)"
check "list: New" "$(printf 'New1\tNew\tCtrl+N\t')" "$(echo "$list" | grep -P '^New1\t')"
check "list: bracket shortcut" "$(printf 'Selectto1\tSelect to bracket\tShift+Ctrl+.\t')" "$(echo "$list" | grep -P '^Selectto1\t')"
check "list: no separators" "0" "$(echo "$list" | grep -c -P '^\t|^-')"
check "list: last line" "$(printf 'About1\tAbout...\t\tfixed')" "$(echo "$list" | tail -1)"

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
