#!/usr/bin/env bash
# End-to-end checks of the zelt tool: outputs, exit codes, and never a partial output file.
# usage: zelt_cli_test.sh SAMPLES_FOLDER ZELT_COMMAND...
set -u
samples="$1"; shift
zelt=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0; failed=0

check() {  # check NAME CONDITION...
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
status_of() { "${zelt[@]}" "$@" >"$work/out" 2>"$work/err"; echo $?; }

# info, as text and as JSON
check "info exit" [ "$(status_of info "$samples/Ridge.sno")" = 0 ]
check "info family" grep -q 'family: *TS/FS' "$work/out"
check "info grid" grep -q 'grid: *2 x 2' "$work/out"
check "info tiles" grep -q 'slot 3: X 0, Y 24, height 2, terrain 7 (Rock), ramp 2' "$work/out"
check "info extra" grep -q 'flags 3 (extra z)' "$work/out"
check "json exit" [ "$(status_of info "$samples/Mesa.des" --json)" = 0 ]
check "json family" grep -q '"family":"RA2/YR","gridWidth":2,"gridHeight":2,"cellWidth":60,"cellHeight":30' "$work/out"
check "json one line" [ "$(wc -l < "$work/out")" = 1 ]
check "json damaged" grep -q '"damagedArt":true' "$work/out"

# resave: our own files come back byte for byte (given their signature); --no-z drops the depth data
for f in "$samples"/*; do
    sig=$(grep -ao 'Zelt sample: [A-Za-z]*' "$f" | head -n 1)
    check "resave $(basename "$f")" [ "$(status_of resave "$f" "$work/copy" --signature "$sig")" = 0 ]
    check "identical $(basename "$f")" cmp -s "$f" "$work/copy"
done
check "resave no-z" [ "$(status_of resave "$samples/Meadow.tem" "$work/noz.tem" --no-z)" = 0 ]
check "no-z smaller" [ "$(stat -c %s "$work/noz.tem")" -lt "$(stat -c %s "$samples/Meadow.tem")" ]
status_of info "$work/noz.tem" >/dev/null
check "no-z flags" bash -c "! grep -q '(z)' '$work/out'"
check "signature" [ "$(status_of resave "$samples/Meadow.tem" "$work/sig.tem" --signature Hello)" = 0 ]
check "signature bytes" grep -q Hello "$work/sig.tem"

# render: a BMP of the preview's size, with the default or a named palette
check "render" [ "$(status_of render "$samples/Ridge.sno" "$work/ridge.bmp")" = 0 ]
check "render bmp" [ "$(head -c 2 "$work/ridge.bmp")" = BM ]
check "render background" [ "$(status_of render "$samples/Plaza.urb" "$work/plaza.bmp" --background FF8000)" = 0 ]
check "render palette" [ "$(status_of render "$samples/Plaza.urb" "$work/plaza2.bmp" --palette "$samples/../Palettes/RA2_YR/IsoTem.Pal")" = 0 ]
check "palettes differ" bash -c "! cmp -s '$work/plaza.bmp' '$work/plaza2.bmp'"

# failures: exit 1 with one line naming the file, and no output file
check "missing input" [ "$(status_of render "$work/none.tem" "$work/x.bmp")" = 1 ]
check "missing named" grep -q 'none.tem' "$work/err"
check "no output" [ ! -e "$work/x.bmp" ]
head -c 100 /dev/urandom > "$work/junk.tem"
check "not a template" [ "$(status_of info "$work/junk.tem")" = 1 ]
check "not a template resave" [ "$(status_of resave "$work/junk.tem" "$work/y.tem")" = 1 ]
check "no resave output" [ ! -e "$work/y.tem" ]
head -c 3000 "$samples/Meadow.tem" > "$work/cut.tem"
check "truncated" [ "$(status_of render "$work/cut.tem" "$work/z.bmp")" = 1 ]
check "truncated reason" grep -q 'past the end' "$work/err"
check "no render output" [ ! -e "$work/z.bmp" ]
check "bad palette" [ "$(status_of render "$samples/Ridge.sno" "$work/p.bmp" --palette "$work/junk.tem")" = 1 ]
check "unwritable output" [ "$(status_of resave "$samples/Ridge.sno" "$work/no/such/dir.tem")" = 1 ]
check "no temp left" [ -z "$(ls "$work" | grep -i tmp)" ]

# usage errors: exit 2 with the usage text
check "no command" [ "$(status_of)" = 2 ]
check "usage text" grep -q 'usage:' "$work/err"
check "unknown command" [ "$(status_of frobnicate)" = 2 ]
check "unknown option" [ "$(status_of info "$samples/Ridge.sno" --yaml)" = 2 ]
check "missing value" [ "$(status_of render "$samples/Ridge.sno" "$work/a.bmp" --palette)" = 2 ]
check "bad colour" [ "$(status_of render "$samples/Ridge.sno" "$work/a.bmp" --background red)" = 2 ]
check "too many files" [ "$(status_of info a b)" = 2 ]

echo "zelt_cli: $passed passed, $failed failed"
[ "$failed" = 0 ]
