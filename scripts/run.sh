#!/usr/bin/env bash
# Builds Quorvel and starts it under Wine: on the current display when there is one; otherwise on a
# virtual display, where it saves a screenshot, lets F1 type a string into Wine's Notepad, and exits
# 0 only if Notepad received the string that the window shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target quorvel typing_demo >/dev/null
exe="$root/build/windows/bin/quorvel.exe"

source scripts/wine-env.sh
wine_prefix_init "$root/build/windows/wineprefix"
export LC_ALL=${LC_ALL:-zh_CN.UTF-8} LANG=${LANG:-zh_CN.UTF-8}

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

wine_display_start
trap 'wine_server_stop; wine_display_stop' EXIT
wine_server_start
shot="$root/build/windows/quorvel-window.png"
wine "$exe" &
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Quorvel"' && break
  sleep 0.2
done
sleep 1
import -window root -crop 300x220+830+430 +repage "$shot"
echo "Screenshot of the window: $shot"
# The utility at work: F1 with the pointer over Wine's Notepad types the string that 编辑框1 shows.
status=0
wine "$root/build/windows/bin/typing_demo.exe" || status=$?
demo="$root/build/windows/quorvel-typing.png"
import -window root -crop 700x340+820+400 +repage "$demo"
echo "Screenshot of Quorvel typing into Notepad: $demo"
wineserver -k
exit $status
