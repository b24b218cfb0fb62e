#!/usr/bin/env bash
# make install into a scratch prefix: the thumbnailer's own Exec line writes a PNG with alpha of the
# requested size for every sample, and the MIME database of the prefix knows our file names.
# usage: zelt_install_test.sh SOURCE_DIR SAMPLES_FOLDER
set -u
root="$1"; samples="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
passed=0; failed=0
check() {  # check NAME CONDITION...
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

check "make install" make -s -C "$root" install PREFIX="$prefix" >"$work/install.log" 2>&1 || cat "$work/install.log"
check "program" [ -x "$prefix/bin/zelt" ]
check "palettes" [ -f "$prefix/lib/zelt/Palettes/TS_FS/IsoTem.Pal" ]
entry="$prefix/share/thumbnailers/zelt.thumbnailer"
check "thumbnailer" [ -f "$entry" ]
check "mime package" [ -f "$prefix/share/mime/packages/zelt-template.xml" ]

exec_line=$(sed -n 's/^Exec=//p' "$entry")
for f in "$samples"/*; do
    for size in 64 1024; do
        out="$work/$(basename "$f").$size.png"
        cmd=${exec_line//%i/\"$f\"}; cmd=${cmd//%o/\"$out\"}; cmd=${cmd//%s/$size}
        check "exec $(basename "$f") $size" env PATH="$prefix/bin:$PATH" bash -c "$cmd"
        info=$(file "$out")
        check "rgba $(basename "$f")" grep -q "RGBA" <<<"$info"
        w=$(sed -E 's/.*PNG image data, ([0-9]+) x ([0-9]+).*/\1/' <<<"$info")
        h=$(sed -E 's/.*PNG image data, ([0-9]+) x ([0-9]+).*/\2/' <<<"$info")
        longer=$(( w > h ? w : h ))
        # The samples are larger than 64 pixels and smaller than 1024: never scaled up.
        if [ "$size" = 64 ]; then check "size $(basename "$f")" [ "$longer" = 64 ]; else check "own size $(basename "$f")" [ "$longer" -lt 1024 ]; fi
    done
done

check "mime database" grep -q 'application/x-zelt-template:\*\.tem' "$prefix/share/mime/globs2"
for ext in tem sno urb ubn lun des; do
    check "glob $ext" grep -q "application/x-zelt-template:\*\.$ext\$" "$prefix/share/mime/globs2"
done
if command -v gio >/dev/null; then
    cp "$samples/Mesa.des" "$work/Desert.DES"
    type=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share:/usr/share" gio info -a standard::content-type "$work/Desert.DES" 2>/dev/null | sed -n 's/.*standard::content-type: //p')
    check "lookup by name ($type)" [ "$type" = application/x-zelt-template ]
fi
echo "passed $passed, failed $failed"
[ "$failed" = 0 ]
