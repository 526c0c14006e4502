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
mkdir -p "$demo"
export WINEPREFIX=$PWD/$demo/prefix WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then  # Wine wants an X display, even a hidden one
  n=$(for i in $(seq 90 199); do [ -e /tmp/.X11-unix/X$i ] || { echo $i; break; }; done)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'wineserver -k 2>/dev/null; kill $xvfb' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
fi
[ -d "$WINEPREFIX/drive_c" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
prog=$WINEPREFIX/drive_c/Falvex
rm -rf "$prog" && mkdir -p "$prog"
cp build/win/Falvex.exe Falvex.txt "$prog/"
cp examples/Falvex.ini "$prog/Falvex.ini"
mkdir -p "$prog/demo/inbox" "$prog/demo/archive" "$prog/demo/backup"
printf 'first report\r\n' > "$prog/demo/inbox/report.txt"
printf 'second note\r\n' > "$prog/demo/inbox/notes.txt"

echo "Falvex.exe /#w /#g=Archive+backup: the sample group copies the inbox to demo\\archive and demo\\backup"
wine "$prog/Falvex.exe" /#w "/#g=Archive+backup" 'C:\Falvex\demo\inbox\report.txt' \
  'C:\Falvex\demo\inbox\notes.txt' && echo "exit code $?"
( cd "$prog" && find demo -type f | sort )
