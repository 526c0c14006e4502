#!/usr/bin/env bash
# The main job: builds Falvex.exe if missing and runs it under Wine on the
# shipped sample: two files sent to a group of two folders without a menu.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure_tools.sh
ensure_build_tools
ensure_wine_tools
install_missing
[ -f build/win/Falvex.exe ] || build_windows

demo=build/demo
export WINEPREFIX=$PWD/$demo/prefix WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1
prog=$WINEPREFIX/drive_c/Falvex
rm -rf "$prog" && mkdir -p "$prog"
cp build/win/Falvex.exe Falvex.txt "$prog/"
cp examples/Falvex.ini "$prog/Falvex.ini"
mkdir -p "$prog/demo/inbox" "$prog/demo/archive" "$prog/demo/backup"
printf 'first report\r\n' > "$prog/demo/inbox/report.txt"
printf 'second note\r\n' > "$prog/demo/inbox/notes.txt"

echo "Falvex.exe /#w /#g=Archive and backup  (sample group: demo\\archive, demo\\backup)"
wine "$prog/Falvex.exe" /#w "/#g=Archive" 'C:\Falvex\demo\inbox\report.txt' 'C:\Falvex\demo\inbox\notes.txt'
echo "exit code $?"
( cd "$prog" && find demo -type f | sort )
