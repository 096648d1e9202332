#!/bin/bash
# The Windows installer under Wine, in a fresh prefix: made by cpack -G NSIS from this build,
# run with /S it installs for the current user (both programs, the uninstaller, the Start-menu
# shortcut, the Apps entry and "Open with" for .wav under HKCU, the default of .wav unchanged);
# the installed morlando.exe loads a wave named on its command line; the uninstaller run with
# /S leaves neither files nor keys. Then the same for all users (/S /AllUsers), under HKLM.
#
#   tests/e2e/install/installer.sh <windows-build-dir>
#
# Works in <build>/e2e/install; prints one line per check and ends with "N passed, N failed";
# the exit status is 1 when any check failed.
set -u

build=$(cd "${1:?usage: $0 <windows-build-dir>}" && pwd) || exit 2
here=$(cd "$(dirname "$0")" && pwd)
out=$build/e2e/install
export WINEPREFIX=$out/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
for needed in "$build/CPackConfig.cmake" "$build/e2e/morlando-driver.exe"; do
    [ -f "$needed" ] || { echo "missing $needed (configure and build the windows target first)" >&2; exit 2; }
done
rm -rf "$out"
mkdir -p "$out/work" "$WINEPREFIX"

source "$(dirname "${BASH_SOURCE[0]}")/../../support/checks.bash"

# The installed program needs a screen; the installer and the registry do not.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 </dev/null &
xvfb=$!
ended() {
    wineserver -k >/dev/null 2>&1
    kill "$xvfb" 2>/dev/null
}
trap ended EXIT
for _ in $(seq 50); do
    [ -s "$out/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$out/display")

if ! cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$out/package" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "cpack -G NSIS failed"
    exit 1
fi
installer=$(ls "$out"/package/morlando-*-win64.exe)
wineboot -i >"$out/wineboot.log" 2>&1 </dev/null

# A registry value as reg prints it ("name  REG_SZ  data"), or nothing when it is not there.
value() {  # key, value name ("" for the default)
    local key=$1 name=$2
    if [ -z "$name" ]; then
        wine reg query "$key" /ve 2>/dev/null </dev/null
    else
        wine reg query "$key" /v "$name" 2>/dev/null </dev/null
    fi | tr -d '\r' | sed -n 's/^ \{4\}//p' | sed 's/ \{4\}/|/g'
}
key_exists() { wine reg query "$1" >/dev/null 2>&1 </dev/null; }
unix_folder() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null </dev/null | tr -d '\r')" 2>/dev/null; }

# What the user's part of the system holds: the keys under HKCU\Software but Wine's own, and
# the files of the profile but its Temp folder (where the uninstaller's copy of itself waits for
# the next start).
snapshot() {
    {
        wine reg export 'HKCU\Software' "$out/$1.reg" /y >/dev/null 2>&1 </dev/null
        iconv -f UTF-16 -t UTF-8 "$out/$1.reg" | tr -d '\r' |
            awk '/^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine") == 1 } !wine'
        (cd "$WINEPREFIX/drive_c/users" && find . -path '*/Temp' -prune -o -print | sort)
    } >"$out/$1"
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\MORLANDO'
application_key='HKCU\Software\Classes\Applications\morlando.exe'
progid_key='HKCU\Software\Classes\MORLANDO.wav'
wav_key='HKCU\Software\Classes\.wav'
folder=$(unix_folder '%LOCALAPPDATA%')/Programs/MORLANDO
shortcut="$(unix_folder '%APPDATA%')/Microsoft/Windows/Start Menu/Programs/MORLANDO.lnk"
machine_folder=$(unix_folder '%ProgramW6432%')/MORLANDO
# The user has a player of their own for .wav: it must stay the default.
wine reg add "$wav_key" /ve /d Player.wav /f >/dev/null 2>&1 </dev/null
wav_default() { [ "$(value "$wav_key" "")" = "(Default)|REG_SZ|Player.wav" ] && ! key_exists 'HKLM\Software\Classes\.wav'; }
check "before: .wav opens with the user's player" wav_default

snapshot before
wine "$installer" /S </dev/null >"$out/installer.out" 2>&1
status=$?
wineserver -w
check "the installer with /S exits 0" [ $status -eq 0 ]
for file in morlando.exe morlando-split.exe Uninstall.exe README.md LICENSE.txt; do
    check "$file in the user's own program folder" [ -f "$folder/$file" ]
done
check "nothing in the machine's program folder" [ ! -e "$machine_folder" ]
check "the Start-menu shortcut" [ -f "$shortcut" ]
check "the Apps entry under HKCU with the version" [ "$(value "$uninstall_key" DisplayVersion)" = "DisplayVersion|REG_SZ|1.0" ]
check "the Apps entry's uninstaller" eval \
    '[ "$(value "$uninstall_key" UninstallString)" = "UninstallString|REG_SZ|\"$(value "$uninstall_key" InstallLocation | cut -d"|" -f3)\\Uninstall.exe\"" ]'
check "no Apps entry under HKLM" eval '! key_exists "HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\MORLANDO"'
check "the application supports .wav" [ "$(value "$application_key\\SupportedTypes" .wav)" = ".wav|REG_SZ|" ]
check "the application opens the file it is given" eval \
    '[[ "$(value "$application_key\\shell\\open\\command" "")" == *'"'"'\morlando.exe" "%1"'"'"' ]]'
check ".wav lists the program's ProgID among its Open-with entries" \
    [ "$(value "$wav_key\\OpenWithProgids" MORLANDO.wav)" = "MORLANDO.wav|REG_SZ|" ]
check "the ProgID opens the file it is given" eval \
    '[[ "$(value "$progid_key\\shell\\open\\command" "")" == *'"'"'\morlando.exe" "%1"'"'"' ]]'
check "the default of .wav is unchanged" wav_default

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
wine "$build/e2e/morlando-driver.exe" \
    --program "$(windows_path "$folder/morlando.exe")" \
    --scenario "$(windows_path "$here/installed-program.scn")" \
    --log "$(windows_path "$out/installed-program.log")" \
    --work "$(windows_path "$out/work")" \
    >"$out/driver.out" 2>&1 </dev/null
status=$?
check "the installed morlando.exe loads a wave named on its command line" [ $status -eq 0 ]
[ $status -eq 0 ] || grep -m1 -E 'FAIL at|SCENARIO ERROR' "$out/installed-program.log"

# The uninstaller copies itself away and ends at once; the copy does the work.
wine "$folder/Uninstall.exe" /S </dev/null >"$out/uninstaller.out" 2>&1
status=$?
wineserver -w
check "the uninstaller with /S exits 0" [ $status -eq 0 ]
check "the program folder is gone" [ ! -e "$folder" ]
check "the Start-menu shortcut is gone" [ ! -e "$shortcut" ]
check "the Apps entry is gone" eval '! key_exists "$uninstall_key"'
check "the application key is gone" eval '! key_exists "$application_key"'
check "the ProgID is gone" eval '! key_exists "$progid_key"'
check "the Open-with entry is gone" eval '! key_exists "$wav_key\\OpenWithProgids"'
check "the default of .wav is still unchanged" wav_default

# For all users, as an administrator asks for it: the machine's program folder and HKLM.
machine_uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\MORLANDO'
machine_shortcut="$(unix_folder '%ProgramData%')/Microsoft/Windows/Start Menu/Programs/MORLANDO.lnk"
wine "$installer" /S /AllUsers </dev/null >"$out/installer-all-users.out" 2>&1
status=$?
wineserver -w
check "for all users: both programs in the machine's program folder, its shortcut, the Apps entry under HKLM" eval \
    '[ $status -eq 0 ] && [ -f "$machine_folder/morlando.exe" ] && [ -f "$machine_folder/morlando-split.exe" ] &&
     [ -f "$machine_shortcut" ] && [ "$(value "$machine_uninstall_key" DisplayVersion)" = "DisplayVersion|REG_SZ|1.0" ]'
check "for all users: Open with for .wav under HKLM" \
    [ "$(value 'HKLM\Software\Classes\Applications\morlando.exe\SupportedTypes' .wav)" = ".wav|REG_SZ|" ]
wine "$machine_folder/Uninstall.exe" /S </dev/null >"$out/uninstaller-all-users.out" 2>&1
wineserver -w
check "for all users: the uninstaller takes the folder, the shortcut and the keys away" eval \
    '[ ! -e "$machine_folder" ] && [ ! -e "$machine_shortcut" ] && ! key_exists "$machine_uninstall_key" &&
     ! key_exists "HKLM\Software\Classes\Applications\morlando.exe" && ! key_exists "HKLM\Software\Classes\MORLANDO.wav"'

snapshot after
check "the user's registry and files are as before the installation" diff "$out/before" "$out/after"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
