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

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# Open then save without changes gives the same bytes, whatever the encoding.
printf 'za\xbf\xf3\xb3\xe6 g\xea\x9c\xb9\r\nline2\r\n' > "$tmp/cp1250.txt"
printf '\xef\xbb\xbfza\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87\r\nb' > "$tmp/bom.txt"
printf 'a\x00b\r\n\x80\x81\xff' > "$tmp/binary.txt"
for f in cp1250 bom binary; do
    "$VARNIK" --apply Selectall1 "$tmp/$f.txt" > "$tmp/$f.out"
    check "round trip $f" "$(od -An -tx1 "$tmp/$f.txt")" "$(od -An -tx1 "$tmp/$f.out")"
done
# Line ends follow CRLF; standard input is read like a file.
check "CRLF=1 from stdin" "$(printf 'a\nb\nc' | od -An -tx1)" \
    "$(printf 'a\r\nb\rc' | "$VARNIK" --apply Selectall1 --set CRLF=1 | od -An -tx1)"
check "report" "selection 0 3" "$(printf 'abc' | "$VARNIK" --apply Selectall1 --report 2>&1 >/dev/null)"
"$VARNIK" --apply NoSuchCommand "$tmp/bom.txt" >/dev/null 2>&1
check "unknown command exit" "2" "$?"
"$VARNIK" --apply Selectall1 "$tmp/missing.txt" >/dev/null 2>"$tmp/err"
check "missing file exit" "1" "$?"
check "missing file message" "Error: Error reading file" "$(head -1 "$tmp/err")"
"$VARNIK" --apply Selectall1 /dev/zero >/dev/null 2>&1
check "device refused" "1" "$?"

# Commands run through the same implementation as their menu items.
run() { "$VARNIK" --apply "$@" 2>&1 | od -An -c | tr -s ' ' | tr -d '\n'; }
expect() { printf "$1" | od -An -c | tr -s ' ' | tr -d '\n'; }
check "upper case, Polish letters" "$(expect 'ABC \xc5\xbb\xc3\x93\xc5\x81W\r\n')" \
    "$(printf 'abc \xc5\xbc\xc3\xb3\xc5\x82w\n' | run Touppercase1)"
check "indent a selection" "$(expect 'a\r\n b\r\nc')" "$(printf 'a\r\nb\r\nc' | run Indent1 --select 3:1)"
check "numbered list" "$(expect '1. x\r\n2. \r\n3. y\r\n')" "$(printf 'x\n\ny\n' | run Changeselectiontonumberlist1)"
check "tabs with TabSpaces" "$(expect '    x')" "$(printf '\tx' | run Tabstospaces1 --set TabSpaces=4)"
check "evaluate" "$(expect 'r=2\r\npi*r^2 = 12.5663706143592\r\n')" \
    "$(printf 'r=2\npi*r^2' | LC_ALL=C run Evaluateexpressioninselection1 --select 0:10)"
check "split column" "$(expect 'b\r\n\r\n')" \
    "$(printf 'a,b,c\nx' | run Splitcolumn1 --field column=1 --field separator=,)"
check "date value" "$(expect '2024-02-29')" "$(printf '' | run Date1 --field date=2024-02-29 --set DateFormat=yyyy-mm-dd)"
check "colour value" "$(expect '#FF8000')" "$(printf 'x' | run HEXvaluecolor1 --select 0:1 --field color=#ff8000)"
check "clipboard at line starts" "$(expect '>a\r\n>b\r\n')" "$(printf 'a\nb' | run Clippboardbeginning1 --clipboard '>')"
check "unix time with TZ and no daylight saving" "$(expect '1970-01-01 01:00:00')" \
    "$(printf '0' | TZ=Europe/Warsaw run NumberinselectionasUNIXtime1 --select 0:1 --set DateFormat=yyyy-mm-dd\ hh:nn:ss | head -c 60)"
"$VARNIK" --apply Numberinselectiontobinary1 --select 0:30 >/dev/null 2>"$tmp/err" <<< "999999999999999999999999999999"
check "too big: exit status" "1" "$?"
check "too big: message" "Error: Number is too big for conversion!" "$(cat "$tmp/err")"
"$VARNIK" --apply Splitcolumn1 >/dev/null 2>&1 < /dev/null
check "missing field is a usage error" "2" "$?"
# The clipboard and insertion tools and the hex editor need the window.
for id in Gettextfromselection1 Pastemclip1 Yourfavtxt1 Symbol1 Hexedit1; do
    printf 'abc' | "$VARNIK" --apply "$id" --select 0:3 >"$tmp/out" 2>"$tmp/err"
    check "$id needs the window: exit" "2" "$?"
    check "$id needs the window: message" \
        "varnik: $id needs the window; it is not available in the headless mode" "$(cat "$tmp/err")"
    check "$id needs the window: no output" "" "$(cat "$tmp/out")"
done

# Commands keep characters beyond the Basic Multilingual Plane whole, and text
# a legacy document cannot hold asks before it becomes UTF-8, honouring the answer.
for args in "Delete1 --caret 1" "Deleteword1 --caret 1" "Reverse1 --select 0:2"; do
    printf 'a\xf0\x9f\x98\x80b' | "$VARNIK" --apply $args >"$tmp/out" 2>"$tmp/err"
    echo "$? $(od -An -tx1 "$tmp/out" | tr -d ' ') $(cat "$tmp/err")" > "$tmp/${args%% *}"
done
check "delete before an emoji" "0 6162 " "$(cat "$tmp/Delete1")"
check "delete word on an emoji" "0 6162 " "$(cat "$tmp/Deleteword1")"
check "reverse a selection ending inside a pair" "0 f09f98806162 " "$(cat "$tmp/Reverse1")"
for answer in yes no cancel; do
    printf 'a\xff' | "$VARNIK" --apply Clippboardbeginning1 --clipboard $'\xf0\x9f\x98\x80' \
        --field answer=$answer >"$tmp/out" 2>"$tmp/err"
    echo "$? $(od -An -tx1 "$tmp/out" | tr -d ' ') $(grep -c '^Error:' "$tmp/err")" > "$tmp/$answer"
done
check "utf-8 retry: yes" "0 f09f988061cb990d0a 0" "$(cat "$tmp/yes")"
check "utf-8 retry: no" "1  1" "$(cat "$tmp/no")"
check "utf-8 retry: cancel" "1  1" "$(cat "$tmp/cancel")"

# Case changes keep a legacy document in its code page (µ has no upper case there).
check "upper case in windows-1250" "$(expect 'A\xb5B')" "$(printf 'a\xb5b' | run Touppercase1)"

for colour in zzz '#12345' '#1234567' ''; do
    printf 'x' | "$VARNIK" --apply HEXvaluecolor1 --field "color=$colour" >/dev/null 2>&1
    check "malformed colour '$colour' is a usage error" "2" "$?"
done

# Imports answer the open dialog with --field file=PATH and insert at the caret;
# the character tables lie beside the executable.
printf 'MZ\x90\x00hi' > "$tmp/small.bin"
check "hex import at the caret" "$(expect 'ab\r\n;00000  4D 5A 90 00  68 69                                        MZ..hi\r\ncd')" \
    "$(printf 'ab\ncd' | run HEXstyle1 --caret 3 --field file="$tmp/small.bin")"
check "pascal import replaces nothing at the selection start" \
    "$(expect 'const SMALL_BIN_BINARY: array[1..6] of byte = (\r\n77, 90, 144, 0, 104, 105);\r\nxy')" \
    "$(printf 'xy' | run Pascalstyle1 --select 0:2 --field file="$tmp/small.bin")"
printf '\xfe\xff\x01\x05\xd8\x3d\xde\x00' > "$tmp/be.txt"
check "unicode import, big-endian with a pair" "$(expect '\xc4\x85\xf0\x9f\x98\x80')" \
    "$(run Importunicodefile1 --field file="$tmp/be.txt" < /dev/null)"
printf 'a\xff' | "$VARNIK" --apply Importunicodefile1 --field file="$tmp/be.txt" --field answer=no >"$tmp/out" 2>/dev/null
check "streamed import refused as UTF-8: exit status and no output" "1 0" "$? $(wc -c < "$tmp/out")"
printf 'x' | "$VARNIK" --apply Cstyle1 --field file="$tmp/missing.bin" >"$tmp/out" 2>"$tmp/err"
check "unreadable import: exit status" "1" "$?"
check "unreadable import: document unchanged" "x" "$(cat "$tmp/out")"
check "unreadable import: message" "Error: Error reading file" "$(head -1 "$tmp/err")"
check "CP-1250 to NOPL in UTF-8" "Zazolc gesla jazn" "$(printf 'Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 g\xc4\x99\xc5\x9bl\xc4\x85 ja\xc5\xba\xc5\x84' | "$VARNIK" --apply CP1250toNOPL1)"
check "CP-1250 to ISO-8859-2 in a legacy document" "$(printf 'z\xb1b\r\n' | od -An -tx1)" \
    "$(printf 'z\xb9b\n' | "$VARNIK" --apply CP1250toISO885921 | od -An -tx1)"
check "CP-1250 to ISO-8859-2 in UTF-8 saves ISO-8859-2" "$(printf '\xbf\xf3\xb3\xe6' | od -An -tx1)" \
    "$(printf '\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87' | "$VARNIK" --apply CP1250toISO885921 | od -An -tx1)"

# The converter and the list generator insert what their "Use" inserts, at the selection start.
check "converter line" "$(expect '5 km * 1000 = 5000000.000 m\r\nx')" \
    "$(printf 'x' | LC_ALL=C run Unionverter1 --select 0:1 --field mode=Length --field from=km --field to=m --field prefix=k --field input=5)"
check "converter bases from the selection" "$(expect 'FF as X*16^N = 255 as X*10^N\r\nff')" \
    "$(printf 'ff' | run Unionverter1 --select 0:2 --field page=bases)"
"$VARNIK" --apply Unionverter1 --field page=bases --field input=G --field from=16 >"$tmp/out" 2>"$tmp/err" < <(printf 'doc')
check "converter error: exit status" "1" "$?"
check "converter error: message" "Error: Invalid value for given system!" "$(cat "$tmp/err")"
check "converter error: document unchanged" "doc" "$(cat "$tmp/out")"
check "list with widths" "$(expect 'p01-7\np02-7\n\nab')" \
    "$(printf 'ab' | run Advancedlistgenerator1 --set CRLF=1 --field pattern=p%1-%2 --field first1=1 --field last1=2 \
        --field first2=7 --field last2=7 --field width1=2)"
check "list in hex" "$(expect 'FF\r\n100\r\n\r\n')" \
    "$(printf '' | run Advancedlistgenerator1 --field pattern=%1 --field hex=1 --field first1=ff --field last1=100)"
check "list streams: four billion entries begin at once" "$(expect 'x-2147483648\r\nx-2147483647\r\n')" \
    "$("$VARNIK" --apply Advancedlistgenerator1 --field pattern=x%1 --field first1=-2147483648 --field last1=2147483647 \
        < /dev/null 2>/dev/null | head -c 28 | od -An -c | tr -s ' ' | tr -d '\n')"
check "list keeps the byte-order mark once" "$(expect '\xef\xbb\xbfa1\r\n\r\nb')" \
    "$(printf '\xef\xbb\xbfab' | run Advancedlistgenerator1 --caret 1 --field pattern=%1 --field first1=1 --field last1=1)"
check "list in a legacy document" "$(expect 'z\xbf1\r\n\r\n\xff')" \
    "$(printf '\xff' | run Advancedlistgenerator1 --field pattern="$(printf 'z\xc5\xbc%%1')" --field first1=1 --field last1=1)"
"$VARNIK" --apply Advancedlistgenerator1 --field step1=0 >/dev/null 2>&1 < /dev/null
check "list step out of range is a usage error" "2" "$?"

# A CodePage setting that names no code page is an error, never a silent other code page.
"$VARNIK" --apply Selectall1 --set CodePage=no-such-page "$tmp/cp1250.txt" >/dev/null 2>"$tmp/err"
check "unknown code page: exit status" "1" "$?"
check "unknown code page: message" 'Error: The CodePage setting "no-such-page" names no single-byte code page' "$(cat "$tmp/err")"

# Options the run cannot honour are usage errors, never silently something else.
for args in "--select 1000:5" "--select 8:3" "--select 0:9223372036854775807" "--caret 11" \
    "--set NoSuchSetting=1" "--set TabSpaces=four" "--set TabSpaces=99999999999" "--set CRLF=lf" \
    "--set LastFile21=x"; do
    printf '0123456789' | "$VARNIK" --apply Touppercase1 $args >"$tmp/out" 2>"$tmp/err"
    check "usage error: $args: exit status" "2" "$?"
    check "usage error: $args: nothing written" "" "$(cat "$tmp/out")"
done
check "selection to the end" "abcdefghIJ" "$(printf 'abcdefghij' | "$VARNIK" --apply Touppercase1 --select 8:2 2>&1)"
for args in "--caret 10" "--set tabspaces=4" "--set LastFile20=x" "--set WordWrap=yes"; do
    check "accepted: $args" "ABCDEFGHIJ" "$(printf 'abcdefghij' | "$VARNIK" --apply Touppercase1 $args 2>&1)"
done

# Output that cannot be written, and memory that runs out, are errors, never success.
for args in "Touppercase1" "Advancedlistgenerator1 --field pattern=x%1 --field first1=1 --field last1=3"; do
    printf 'abc' | "$VARNIK" --apply $args > /dev/full 2>"$tmp/err"
    check "full output, ${args%% *}: exit status" "1" "$?"
    check "full output, ${args%% *}: message" "Error: Error writing to file" "$(head -1 "$tmp/err")"
done
"$VARNIK" --version > /dev/full 2>/dev/null
check "full output, version: exit status" "1" "$?"
"$VARNIK" --apply --help > /dev/full 2>/dev/null
check "full output, help: exit status" "1" "$?"
# Sanitizers reserve more address space than any small limit allows.
if ! ldd "$VARNIK" | grep -q 'libasan'; then
    check "small limit, small input" "ABC" "$(printf 'abc' | (ulimit -v 350000; "$VARNIK" --apply Touppercase1))"
    yes aaaaaaa | head -c 200000000 | (ulimit -v 350000; "$VARNIK" --apply Touppercase1) >/dev/null 2>"$tmp/err"
    check "out of memory: exit status" "1" "$?"
    check "out of memory: message" "Error: Out of memory" "$(cat "$tmp/err")"
fi
# Standard input has the size limit of files.
head -c 1073741825 /dev/zero | "$VARNIK" --apply Selectall1 >/dev/null 2>"$tmp/err"
check "standard input over the limit: exit status" "1" "$?"
check "standard input over the limit: message" "Error: Error reading file" "$(head -1 "$tmp/err")"

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
