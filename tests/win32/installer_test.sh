#!/usr/bin/env bash
# The setup program under Wine, in a fresh prefix: a silent install puts
# zor.exe into %LOCALAPPDATA%\Programs\ZOR Console with a Start-menu
# shortcut and an uninstall entry; the installed zor.exe keeps the files it
# saves in Documents\ZOR; a silent uninstall takes the program, the shortcut
# and the entry away and leaves the user's files. /D= installs elsewhere.
# Usage: installer_test.sh path/to/zor-<version>-win64-setup.exe
source "$(dirname "$0")/wine_session.sh"
setup=$zor_exe

export WINEPREFIX=$work/prefix WINEDLLOVERRIDES="$WINEDLLOVERRIDES,winemenubuilder.exe=d"
"$wine" wineboot -i >/dev/null 2>&1 || true
wineserver -w
user_dir() { find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n1; }
profile=$(user_dir)
[ -n "$profile" ] || fail "the fresh prefix has no user folder"
installed="$profile/AppData/Local/Programs/ZOR Console"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ZOR Console.lnk"
key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZOR Console]'
# The values of the uninstall key as user.reg holds them once wineserver
# has written it out; nothing when the key is missing.
entry() {
  wineserver -w
  key=$key awk 'index($0, ENVIRON["key"]) == 1 { inside = 1; next } /^\[/ { inside = 0 } inside' \
    "$WINEPREFIX/user.reg"
}

"$wine" "$setup" /S || fail "the silent install ended with status $?"
wineserver -w
for file in zor.exe README.txt uninstall.exe zor-installed.txt; do
  [ -f "$installed/$file" ] || fail "the install left no $file in $installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
grep -qa 'zor.exe' "$shortcut" || fail "the shortcut does not start zor.exe"
entry >"$work/entry.txt"
for value in '"DisplayName"="ZOR Console"' "\"DisplayVersion\"=\"$ZOR_VERSION\"" \
  '"Publisher"="DEZEZA"' '"DisplayIcon"="C:\\users\\' '"UninstallString"="\"C:\\users\\' \
  '"QuietUninstallString"=' '"EstimatedSize"=dword:'; do
  grep -qF -- "$value" "$work/entry.txt" || fail "the uninstall entry lacks $value: $(cat "$work/entry.txt")"
done

# From a working directory of its own, as the shortcut starts it.
(cd "$work" && printf 'th\nsave kept\n' | "$wine" "$installed/zor.exe" --batch >"$work/out.txt") ||
  fail "the installed zor.exe --batch failed"
grep -q '程序路径Run at C:\\users\\[^\\]*\\Documents\\ZOR' "$work/out.txt" ||
  fail "the installed copy does not keep its files in Documents\\ZOR: $(grep -a 程序路径 "$work/out.txt")"
kept="$profile/Documents/ZOR/kept.txt"
[ -f "$kept" ] || fail "save kept wrote no Documents\\ZOR\\kept.txt"
[ ! -e "$installed/kept.txt" ] || fail "save kept wrote into the install folder"

"$wine" "$installed/uninstall.exe" /S || fail "the silent uninstall ended with status $?"
wineserver -w
[ ! -e "$installed" ] || fail "the uninstall left $(ls "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
[ -z "$(entry)" ] || fail "the uninstall left the uninstall entry"
[ -f "$kept" ] || fail "the uninstall took the user's file"

# Another folder. (Wine would quote an argument with a blank, and the setup
# program takes /D= unquoted, as cmd.exe passes it.)
"$wine" "$setup" /S '/D=C:\Apps\ZOR' || fail "the install with /D= ended with status $?"
wineserver -w
[ -f "$WINEPREFIX/drive_c/Apps/ZOR/zor.exe" ] || fail "/D= was not honoured"
echo "PASS"
