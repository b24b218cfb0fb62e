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
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        # What the last run of the tool said, to tell a fault of ours from one of the machine.
        echo "FAILED: $name (last run: exit $(cat "$work/status" 2>/dev/null))"
        head -n 5 "$work/err" 2>/dev/null | sed 's/^/  stderr: /'
    fi
}
status_of() {
    "${zelt[@]}" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    echo "$status" >"$work/status"
    echo "$status"
}

# the version, as the project gives it (ctest passes it in ZELT_EXPECTED_VERSION)
check "version exit" [ "$(status_of --version)" = 0 ]
check "version text" [ "$(tr -d '\r' < "$work/out")" = "zelt ${ZELT_EXPECTED_VERSION:-unset}" ]

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

# render and export write the format the name asks for, in any letter case, and refuse others
png_sig=$'\x89PNG'
check "render png" [ "$(status_of render "$samples/Ridge.sno" "$work/ridge.PNG")" = 0 ]
check "render png bytes" [ "$(head -c 4 "$work/ridge.PNG")" = "$png_sig" ]
check "render other" [ "$(status_of render "$samples/Ridge.sno" "$work/ridge.gif")" = 2 ]
check "no gif" [ ! -e "$work/ridge.gif" ]

# export: tile<i>N.FMT and tile<i>E.FMT of the cell's and the extra image's size
mkdir -p "$work/tiles" "$work/png" "$work/idx"
check "export" [ "$(status_of export "$samples/Ridge.sno" "$work/tiles")" = 0 ]
check "export names" [ "$(cd "$work/tiles" && ls | tr '\n' ' ')" = "tile0N.BMP tile1N.BMP tile2N.BMP tile3E.BMP tile3N.BMP " ]
check "export size" [ "$(od -An -tu4 -j18 -N8 "$work/tiles/tile0N.BMP" | tr -s ' ')" = " 48 24" ]
check "export 24-bit" [ "$(od -An -tu2 -j28 -N2 "$work/tiles/tile0N.BMP" | tr -d ' ')" = 24 ]
check "export png" [ "$(status_of export "$samples/Mesa.des" "$work/png" --format png)" = 0 ]
check "export png bytes" [ "$(head -c 4 "$work/png/tile0N.png")" = "$png_sig" ]
check "export indexed" [ "$(status_of export "$samples/Ridge.sno" "$work/idx" --indexed)" = 0 ]
check "export 8-bit" [ "$(od -An -tu2 -j28 -N2 "$work/idx/tile0N.BMP" | tr -d ' ')" = 8 ]
check "export format" [ "$(status_of export "$samples/Ridge.sno" "$work/tiles" --format gif)" = 2 ]
check "export no folder" [ "$(status_of export "$samples/Ridge.sno" "$work/none")" = 1 ]
check "export no folder named" grep -q 'none' "$work/err"

# import: the indexed pictures come back as exactly the tiles they were made from
check "plain copy" [ "$(status_of resave "$samples/Ridge.sno" "$work/plain.sno")" = 0 ]
cp "$work/plain.sno" "$work/round.sno"
for i in 0 1 2 3; do
    check "import $i" [ "$(status_of import "$work/round.sno" "$work/idx/tile${i}N.BMP" "$work/round.sno" --tile $i)" = 0 ]
done
check "import extra" [ "$(status_of import "$work/round.sno" "$work/idx/tile3E.BMP" "$work/round.sno" --tile 3 --extra)" = 0 ]
check "indexed round trip" cmp -s "$work/plain.sno" "$work/round.sno"
check "import as extra" [ "$(status_of import "$samples/Ridge.sno" "$work/tiles/tile1N.BMP" "$work/ex.sno" --tile 0 --extra --at 2,3 --size 5,4)" = 0 ]
status_of info "$work/ex.sno" >/dev/null
check "extra size" grep -q 'slot 0: .*flags 3 (extra z), extra .*, 5 x 4' "$work/out"
check "import crop" [ "$(status_of import "$samples/Ridge.sno" "$work/png/tile0N.png" "$work/crop.sno" --tile 0 --at 12,6)" = 0 ]
check "import outside" [ "$(status_of import "$samples/Ridge.sno" "$work/png/tile0N.png" "$work/bad.sno" --tile 0 --at 13,0)" = 1 ]
check "import too small" [ "$(status_of import "$samples/Mesa.des" "$work/tiles/tile0N.BMP" "$work/bad.sno" --tile 0)" = 1 ]
check "too small named" grep -q 'tile0N.BMP' "$work/err"
check "import no tile" [ "$(status_of import "$samples/Ridge.sno" "$work/tiles/tile0N.BMP" "$work/bad.sno" --tile 9)" = 1 ]
check "import needs tile" [ "$(status_of import "$samples/Ridge.sno" "$work/tiles/tile0N.BMP" "$work/bad.sno")" = 2 ]
check "import bad at" [ "$(status_of import "$samples/Ridge.sno" "$work/tiles/tile0N.BMP" "$work/bad.sno" --tile 0 --at 1)" = 2 ]
check "import unreadable" [ "$(status_of import "$samples/Ridge.sno" "$work/junk.tem" "$work/bad.sno" --tile 0)" = 1 ]
check "no import output" [ ! -e "$work/bad.sno" ]

# import-all: a picture of the whole template, and only of its size
check "render editor" [ "$(status_of render "$samples/Ridge.sno" "$work/whole.bmp" --editor)" = 0 ]
check "import-all" [ "$(status_of import-all "$samples/Ridge.sno" "$work/whole.bmp" "$work/all.sno")" = 0 ]
check "import-all info" [ "$(status_of info "$work/all.sno")" = 0 ]
check "import-all size" [ "$(status_of import-all "$samples/Ridge.sno" "$work/tiles/tile0N.BMP" "$work/bad.sno")" = 1 ]
check "import-all size named" grep -q 'tile0N.BMP' "$work/err"
check "no import-all output" [ ! -e "$work/bad.sno" ]

# convert: one template per picture, failures named, the others still written, the input untouched
mkdir -p "$work/conv.d" "$work/in"
cp "$samples/Ridge.sno" "$work/in/Ridge.sno"
cp "$work/whole.bmp" "$work/picture"
cp "$work/whole.bmp" "$work/in/Ridge.bmp"
check "convert" [ "$(status_of convert "$work/in/Ridge.sno" "$work/whole.bmp" "$work/picture" "$work/missing.bmp" "$work/tiles/tile0N.BMP" --into "$work/conv.d" --ext TEM --auto-colour)" = 1 ]
check "convert outputs" [ "$(cd "$work/conv.d" && ls | tr '\n' ' ')" = "picture.TEM whole.TEM " ]
check "convert names missing" grep -q 'missing.bmp' "$work/err"
check "convert names size" grep -q 'tile0N.BMP' "$work/err"
check "convert template" [ "$(status_of info "$work/conv.d/whole.TEM")" = 0 ]
check "convert clean" [ "$(status_of convert "$work/in/Ridge.sno" "$work/whole.bmp" --into "$work/conv.d")" = 0 ]
check "convert own extension" [ -e "$work/conv.d/whole.sno" ]
check "convert keeps input" [ "$(status_of convert "$work/in/Ridge.sno" "$work/in/Ridge.bmp" --into "$work/in")" = 1 ]
check "input untouched" cmp -s "$samples/Ridge.sno" "$work/in/Ridge.sno"
check "convert theater" [ "$(status_of convert "$work/in/Ridge.sno" "$work/whole.bmp" --into "$work/conv.d" --ext lun)" = 2 ]
check "convert no folder" [ "$(status_of convert "$work/in/Ridge.sno" "$work/whole.bmp" --into "$work/nowhere")" = 1 ]
check "convert needs into" [ "$(status_of convert "$work/in/Ridge.sno" "$work/whole.bmp")" = 2 ]

# overview: the report with CR LF line ends, the texts from the string table beside the program
check "overview" [ "$(status_of overview "$samples/Ridge.sno" "$work/o.txt")" = 0 ]
check "overview title" [ "$(head -n 2 "$work/o.txt" | tail -n 1)" = $'Zelt Builder - template overview\r' ]
check "overview path" grep -q 'Ridge.sno' "$work/o.txt"
check "overview tile" grep -q $'^Tile: 3\r$' "$work/o.txt"
check "overview x" grep -q $'^X 0\r$' "$work/o.txt"
check "overview extra" grep -q $'^Extra DX: ' "$work/o.txt"
check "overview csf" [ "$(status_of overview "$samples/Ridge.sno" "$work/o2.txt" --csf "$work/junk.tem")" = 1 ]
check "no overview output" [ ! -e "$work/o2.txt" ]

# usage errors: exit 2 with the usage text
check "no command" [ "$(status_of)" = 2 ]
check "usage text" grep -q 'usage:' "$work/err"
check "unknown command" [ "$(status_of frobnicate)" = 2 ]
check "unknown option" [ "$(status_of info "$samples/Ridge.sno" --yaml)" = 2 ]
check "missing value" [ "$(status_of render "$samples/Ridge.sno" "$work/a.bmp" --palette)" = 2 ]
check "bad colour" [ "$(status_of render "$samples/Ridge.sno" "$work/a.bmp" --background red)" = 2 ]
check "too many files" [ "$(status_of info a b)" = 2 ]

# a folder whose name no ANSI code page spells whole ("Карта 地図"): the tool takes and gives its names
folder="$work/Карта 地図"
mkdir -p "$folder"
check "unicode resave" [ "$(status_of resave "$samples/Meadow.tem" "$folder/Meadow.tem")" = 0 ]
check "unicode info" [ "$(status_of info "$folder/Meadow.tem")" = 0 ]
check "unicode render" [ "$(status_of render "$folder/Meadow.tem" "$folder/Meadow.png")" = 0 ]
check "unicode png" [ "$(head -c 4 "$folder/Meadow.png" | tail -c 3)" = PNG ]
check "unicode export" [ "$(status_of export "$folder/Meadow.tem" "$folder" --format BMP)" = 0 ]
check "unicode exported" [ -n "$(ls "$folder" | grep -i '\.bmp$')" ]
check "unicode overview" [ "$(status_of overview "$folder/Meadow.tem" "$folder/o.txt")" = 0 ]
check "unicode overview path" grep -q "Карта 地図" "$folder/o.txt"

echo "zelt_cli: $passed passed, $failed failed"
[ "$failed" = 0 ]
