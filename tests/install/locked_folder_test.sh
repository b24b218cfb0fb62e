#!/usr/bin/env bash
# Runs settings_fallback_test on a copy of the program folder that refuses new files, as Program Files
# does to a user: immutable when run as root (who may write anywhere else), read-only otherwise.
# usage: locked_folder_test.sh DIST_DIR CRASH_CHILD_EXE TEST_EXE EMULATOR...
set -u
dist=$1 crash_child=$2 test_exe=$3; shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/zelt-locked.XXXXXX")
folder="$work/Zelt"
unlock() { chattr -i "$folder" 2>/dev/null; chmod -R u+w "$folder" 2>/dev/null; }
trap 'unlock; rm -rf "$work"' EXIT
mkdir -p "$folder/samples"
cp -r "$dist/Zelt_Builder.exe" "$dist/Pictor.Dll" "$dist/Zelt_Builder.csf" "$dist/Zelt_Viewer.csf" \
  "$dist/Palettes" "$crash_child" "$folder/"
cp "$dist/samples/Meadow.tem" "$folder/samples/"
# Defaults an administrator put beside the program.
printf '[General]\r\nSlideShowDelay=4321\r\n' > "$folder/Zelt_Viewer.ini"
chattr +i "$folder" 2>/dev/null || chmod a-w "$folder"
ZELT_LOCKED_FOLDER="$folder" "$@" "$test_exe"
