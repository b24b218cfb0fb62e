#!/usr/bin/env bash
# Runs a test program under Wine with the display at 150 % (144 dots per inch), in a prefix of its
# own: the density is a setting of the whole prefix, and every other test keeps 96.
# usage: dpi_test.sh SOURCE_DIR TEST_EXE
set -u
source_dir=$1 test_exe=$2
source "$source_dir/scripts/wine-env"
work=$(mktemp -d "${TMPDIR:-/tmp}/zelt-dpi.XXXXXX")
export WINEPREFIX="$work/prefix"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
win() { "$ZELT_WINE" "$@" </dev/null >/dev/null 2>&1; }

wineserver -p </dev/null >/dev/null 2>&1
win reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f
win reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
  /t REG_DWORD /d 144 /f
# A process reads the density when it starts: a fresh server and desktop after the change.
wineserver -k </dev/null >/dev/null 2>&1
wineserver -w </dev/null >/dev/null 2>&1
wineserver -p </dev/null >/dev/null 2>&1
win cmd /c exit
"$ZELT_WINE" "$test_exe" </dev/null
