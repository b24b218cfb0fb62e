#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix of its own: what an install puts where, the installed
# zelt.exe and editor at work, an uninstall that leaves nothing of ours and takes nothing of others,
# and installing over an installed package (the same one, a rebuild, a newer, an older one).
# usage: msi_test.sh SOURCE_DIR DIST_DIR VERSION SNAPSHOT_EXE
set -u
source_dir=$1 dist=$2 version=$3 snapshot=$4
source "$source_dir/scripts/wine-env"
work=$(mktemp -d "${TMPDIR:-/tmp}/zelt-msi.XXXXXX")
export WINEPREFIX="$work/prefix"
# No menu entries of the Start menu shortcut on the host.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
install_dir="$WINEPREFIX/drive_c/Program Files/Zelt"
passed=0; failed=0

unlock() { [ -d "$install_dir" ] && { chattr -i "$install_dir" 2>/dev/null; chmod u+w "$install_dir"; }; }
cleanup() {
  unlock
  wineserver -k </dev/null >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME COMMAND...
  local name=$1; shift
  if "$@" >/dev/null; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
win() { "$ZELT_WINE" "$@" </dev/null 2>/dev/null; }
winpath() { echo "Z:${1//\//\\}"; }
start_server() {
  wineserver -p </dev/null >/dev/null 2>&1
  win cmd /c exit >/dev/null
}
msi() {  # msi /i|/x PACKAGE: msiexec's exit code (Wine cuts it to 8 bits)
  win msiexec "$1" "$(winpath "$2")" /qn /l*v "$(winpath "$work/msiexec.log")" >/dev/null
  echo $?
}
# The data of a value ("" names the default value), or nothing with status 1 when it is missing.
regval() {
  local out
  if [ -z "$2" ]; then out=$(win reg query "$1" /ve); else out=$(win reg query "$1" /v "$2"); fi || return 1
  printf '%s\n' "$out" | tr -d '\r' | sed -n -E 's/^ +.+ +REG_[A-Z_]+ {4}//p' | head -n 1
}
has() { [ "$(regval "$1" "$2")" = "$3" ]; }
missing() { ! win reg query "$1" >/dev/null; }
installs() { win reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
             grep -c -E '^ +DisplayName +REG_SZ +Zelt$'; }
installed_version() { win reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
                      grep -A20 -E '^ +DisplayName +REG_SZ +Zelt$' | sed -n -E 's/^ +DisplayVersion +REG_SZ +//p' | head -n 1; }
# The registry as saved by the server (keys and values, without times) and the files of drive C:.
snapshot() {
  wineserver -k </dev/null >/dev/null 2>&1
  for hive in system user; do
    # A long value continues over lines ending in a backslash: joined, each value is one line.
    sed -E -e 's/^(\[.*\]) [0-9]+$/\1/' -e '/^#time=/d' -e ':a' -e '/\\$/{N;s/\\\n *//;ba}' "$WINEPREFIX/$hive.reg" |
      sed "s/^/$hive: /"
  done > "$1.reg"
  (cd "$WINEPREFIX/drive_c" && find . | sort) > "$1.files"
  start_server
}
# The files Zelt.wxs ships, relative to the program folder.
shipped() { grep -o 'Source="[^"]*"' "$source_dir/packaging/Zelt.wxs" | sed -E 's/^Source="(.*)"$/\1/'; }

echo "msi_test: packing"
for pkg in old:0.9.0 new:$version rebuild:$version; do
  bash "$source_dir/packaging/build-packages" "$dist" "${pkg#*:}" "$work/${pkg%%:*}" msi >/dev/null 2>&1 ||
    { echo "FAILED: build-packages ${pkg#*:}"; exit 1; }
done
new="$work/new/Zelt-$version-x64.msi"
old="$work/old/Zelt-0.9.0-x64.msi"
rebuild="$work/rebuild/Zelt-$version-x64.msi"
check "every shipped file of the program folder is packed" \
  bash -c "cd '$dist' && diff <(find . -type f ! -name '*.ini' ! -name '*.dat' ! -name '*.txt' ! -name '*.msi' ! -name '*.zip' | sed 's|^\./||' | sort) <(printf '%s\n' $(shipped | tr '\n' ' ') | sort)"

echo "msi_test: a prefix of its own"
start_server
# What other programs hold: a type of their own for .des, their own shell extensions.
other='{0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D}'
approved='HKLM\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
previews='HKLM\Software\Microsoft\Windows\CurrentVersion\PreviewHandlers'
others_hold() {
  has 'HKLM\Software\Classes\.des' "" OtherApp.Design && has "$approved" "$other" 'Another extension' &&
    has "$previews" "$other" 'Another preview'
}
# A new prefix may still be writing its registry when the first values go in: they are added again
# until they read back, so that the checks below test the installer and not this setup.
for try in 1 2 3 4 5; do
  win reg add 'HKLM\Software\Classes\.des' /ve /d OtherApp.Design /f >/dev/null
  win reg add "$approved" /v "$other" /d 'Another extension' /f >/dev/null
  win reg add "$previews" /v "$other" /d 'Another preview' /f >/dev/null
  others_hold && break
  sleep 1
done
snapshot "$work/before"
check "what other programs hold is set up" others_hold

echo "msi_test: install"
check "install exit code" [ "$(msi /i "$new")" = 0 ]
check "one installation" [ "$(installs)" = 1 ]
check "installed version" [ "$(installed_version)" = "$version" ]
while IFS= read -r file; do
  check "installed $file" cmp -s "$dist/$file" "$install_dir/$file"
done < <(shipped)
check "Start menu shortcut" bash -c "find '$WINEPREFIX/drive_c' -path '*Start Menu/Programs/Zelt Builder.lnk' | grep -q ."
classes='HKLM\Software\Classes'
exe='C:\Program Files\Zelt\Zelt_Builder.exe'
dll='C:\Program Files\Zelt\Zelt_IconHandler.dll'
icon='{6F0A3C52-8E1D-4B7A-9C35-2D41E8B7A913}'
thumb='{3B7E4D21-6A9C-4F18-B2D5-7C0E91A4F6D3}'
preview='{A4C81F9E-2D37-4B6A-8E05-5F93B1D7C2E8}'
check "ProgID" has "$classes\\ZeltFileType" "" "Zelt template"
check "per-file icon" has "$classes\\ZeltFileType\\DefaultIcon" "" "%1"
check "Open quoted" has "$classes\\ZeltFileType\\Shell\\Open\\command" "" "\"$exe\" -PREVIEW \"%1\""
check "Edit quoted" has "$classes\\ZeltFileType\\Shell\\Edit\\command" "" "\"$exe\" -EDITOR \"%1\""
for ext in .tem .sno .urb .ubn .lun; do
  check "$ext is ours" has "$classes\\$ext" "" ZeltFileType
done
check ".des keeps its owner" has "$classes\\.des" "" OtherApp.Design
for ext in .tem .sno .urb .ubn .lun .des; do
  check "$ext open with" has "$classes\\$ext\\OpenWithProgids" ZeltFileType ""
done
check "icon handler" has "$classes\\ZeltFileType\\ShellEx\\IconHandler" "" "$icon"
for class in "$icon" "$thumb" "$preview"; do
  check "$class server" has "$classes\\CLSID\\$class\\InprocServer32" "" "$dll"
  check "$class apartment" has "$classes\\CLSID\\$class\\InprocServer32" ThreadingModel Apartment
  check "$class approved" regval "$approved" "$class"
done
check "thumbnail provider" has "$classes\\ZeltFileType\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}" "" "$thumb"
check "preview handler" has "$classes\\ZeltFileType\\ShellEx\\{8895b1c6-b41f-4c1c-a562-0d564250836f}" "" "$preview"
check "preview host" has "$classes\\CLSID\\$preview" AppID '{6d2b5079-2f0b-48dd-ab7f-97cec514d30b}'
check "preview handler listed" regval "$previews" "$preview"

echo "msi_test: the installed programs"
# The version resources (UTF-16) and the about pages carry the package's version.
file_version() { iconv -c -f utf-16le -t utf-8 "$1" 2>/dev/null | tr '\0' '\n' | grep -a -A2 'FileVersion$' | grep -a -x -q "$version"; }
for file in Zelt_Builder.exe Pictor.Dll Zelt_IconHandler.dll zelt.exe; do
  check "$file version resource" file_version "$install_dir/$file"
done
check "about pages" [ "$(grep -a -o "Version $version<br>" "$install_dir/Zelt_Builder.exe" | wc -l)" = 4 ]
info=$(win "C:\\Program Files\\Zelt\\zelt.exe" info 'C:\Program Files\Zelt\samples\Meadow.tem' | tr -d '\r')
check "installed zelt info" grep -q 'family: *TS/FS' <<<"$info"
check "installed zelt version" [ "$(win "C:\\Program Files\\Zelt\\zelt.exe" --version | tr -d '\r')" = "zelt $version" ]
# As a user who may not write under Program Files: the folder refuses new files.
chattr +i "$install_dir" 2>/dev/null || chmod a-w "$install_dir"
check "program folder refuses new files" bash -c "! touch '$install_dir/probe' 2>/dev/null"
appdata="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming"
[ -d "$appdata" ] || appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*AppData/Roaming' | head -n 1)
mkdir -p "$appdata/Zelt"
printf '[TipOfTheDay]\r\nShowAtStart=no\r\n' > "$appdata/Zelt/Zelt_Builder.ini"
(cd "$work" && timeout 120 "$ZELT_WINE" "$exe" 'C:\Program Files\Zelt\samples\Meadow.tem' </dev/null >/dev/null 2>&1) &
editor=$!
win "$(winpath "$snapshot")" Zelt_BuilderClass "$(winpath "$work/editor.png")" --delay 3000 --close >/dev/null
wait "$editor"
check "installed editor exits cleanly" [ $? = 0 ]
check "editor settings in the user's folder" grep -q 'IsMaximized=' "$appdata/Zelt/Zelt_Builder.ini"
check "environment in the user's folder" [ -s "$appdata/Zelt/Environment.dat" ]
unlock
check "nothing new in the program folder" \
  bash -c "diff <(cd '$install_dir' && find . -type f | sed 's|^\./||' | sort) <(printf '%s\n' $(shipped | tr '\n' ' ') | sort)"

echo "msi_test: installing over an installation"
check "same package again" [ "$(msi /i "$new")" = 0 ]
check "still one installation" [ "$(installs)" = 1 ]
check "a rebuild of the same version" [ "$(msi /i "$rebuild")" = 0 ]
check "one installation after the rebuild" [ "$(installs)" = 1 ]
check "an older one is refused" [ "$(msi /i "$old")" != 0 ]
check "the newer stays" [ "$(installed_version)" = "$version" ]
check "uninstall" [ "$(msi /x "$rebuild")" = 0 ]
check "none left" [ "$(installs)" = 0 ]
check "older package" [ "$(msi /i "$old")" = 0 ]
check "older installed" [ "$(installed_version)" = 0.9.0 ]
check "newer over older" [ "$(msi /i "$new")" = 0 ]
check "one installation after the upgrade" [ "$(installs)" = 1 ]
check "upgraded" [ "$(installed_version)" = "$version" ]
check "files after the upgrade" cmp -s "$dist/Zelt_Builder.exe" "$install_dir/Zelt_Builder.exe"

echo "msi_test: uninstall"
check "uninstall exit code" [ "$(msi /x "$new")" = 0 ]
check "no installation" [ "$(installs)" = 0 ]
# The user's own settings stay in their profile, as every program's do.
rm -rf "$appdata/Zelt"
snapshot "$work/after"
# Windows Installer keeps its own folder and keys; Wine redoes its device list at each start.
# Only the empty parent keys are the installer's: a product's own keys below them would show.
noise='\\\\Installer\\\\(Features|Products|UpgradeCodes|UserData\\\\S-1-5-18\\\\(Components|Products))\]$'
noise+='|NetworkCards\]$|RunServices(Once)?\]$|^[<>] system: "DriverDateData"=|^[<>] system: @="(Display adapters|Monitors)"$|^[<>] system: $|^[<>] system: "SymbolicLinkValue"='
echo "msi_test: registry keys and values that differ after install and uninstall, beside the installer's own:"
diff "$work/before.reg" "$work/after.reg" | grep '^[<>]' | grep -v -E "$noise" | tee "$work/reg.diff"
check "registry as before" [ ! -s "$work/reg.diff" ]
echo "msi_test: the installer's own keys and Wine's device list, which differ too:"
diff "$work/before.reg" "$work/after.reg" | grep '^[<>]' | grep -E "$noise" | grep -v -E '^[<>] system: $'
echo "msi_test: files that differ, beside the installer's own folder:"
diff "$work/before.files" "$work/after.files" | grep '^[<>]' | grep -v -E '^> \./windows/Installer$' | tee "$work/files.diff"
check "files as before" [ ! -s "$work/files.diff" ]
check ".des still the other program's" has "$classes\\.des" "" OtherApp.Design
check "other extension still approved" has "$approved" "$other" 'Another extension'
check "other preview handler still listed" has "$previews" "$other" 'Another preview'

echo "msi_test: $passed passed, $failed failed"
[ "$failed" = 0 ]
