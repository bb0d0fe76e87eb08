#!/bin/sh
# Shows the installer window on a package under Wine. With a display, the window is
# yours to use. Without one, it runs on a virtual display: a screenshot of the window
# is left in SCREENSHOT, then Continue is pressed and the message box read, as a user
# would.
# Usage: show-window.sh BUILD_DIR PACKAGE_DIR [PATH_OF_A51.EXE] [SCREENSHOT.png]
#   BUILD_DIR   a win64 (or, where it runs, win32) build, e.g. build/win64
#   PACKAGE_DIR the directory holding DUVOVAV.DAT, made the current directory
# DOVA_SCREEN sizes the virtual display (default 1024x768x24); a form at 200 % needs more.
set -eu
repo_root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
package=$(cd "$2" && pwd)
a51=$(printf '%s' "${3:-}" | tr / '\\')
screenshot=${4:-$build/window.png}
# Absolute: the program runs in the package directory.
case "$screenshot" in /*) ;; *) screenshot=$(pwd)/$screenshot ;; esac
. "$repo_root/tools/wine-env.sh"

# Wine sees the Unix file system as drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

cd "$package"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINELOADER" "$build/bin/dova-setup.exe" ${a51:+"$a51"}
fi

wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
display_file=$(mktemp)
bitmap=$(mktemp --suffix=.bmp)
Xvfb -displayfd 3 -screen 0 "${DOVA_SCREEN:-1024x768x24}" -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -f "$display_file" "$bitmap"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
tries=0
until [ -s "$display_file" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")"

"$WINELOADER" "$build/bin/dova-window-driver.exe" "$(windows_path "$build/bin/dova-setup.exe")" \
  "$(windows_path "$package")" --shot "$(windows_path "$bitmap")" --click continue --box --exit \
  -- ${a51:+"$a51"}
convert "$bitmap" "$screenshot"
echo "screenshot: $screenshot"
