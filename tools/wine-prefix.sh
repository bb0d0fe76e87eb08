#!/bin/sh
# Makes the private Wine prefix and the locales that the Windows tests need.
# Safe to run from several processes at once; does nothing when all is ready.
set -eu
repo_root=$(cd "$(dirname "$0")/.." && pwd)
prefix="${DOVA_WINEPREFIX:-$repo_root/build/wine-prefix}"
locpath="${DOVA_LOCPATH:-$repo_root/build/locale}"
mkdir -p "$prefix" "$locpath"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.dova-ready" ] && exit 0

for loc in zh_CN en_US; do
  [ -d "$locpath/$loc.UTF-8" ] || localedef -i "$loc" -f UTF-8 "$locpath/$loc.UTF-8"
done
export WINEPREFIX="$prefix" WINEDEBUG=-all LOCPATH="$locpath" LC_ALL=zh_CN.UTF-8
# No mono or gecko prompts; there is no network to fetch them from anyway.
export WINEDLLOVERRIDES="mscoree,mshtml="
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=$(command -v wine)
export WINELOADER="$loader"
"$loader" wineboot -i >/dev/null 2>&1 || true
# Without a window manager, hiding a managed window waits two seconds.
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# DOVA_WINE_DPI makes a prefix whose display has that DPI (96 is 100 %, 192 is 200 %).
if [ -n "${DOVA_WINE_DPI:-}" ]; then
  "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DOVA_WINE_DPI" /f >/dev/null 2>&1
fi
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
"$wineserver" -w
touch "$prefix/.dova-ready"
