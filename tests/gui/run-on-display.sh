#!/bin/sh
# Runs a Windows program under Wine on a virtual display of its own, in the given
# locale (zh_CN.UTF-8: code page 936, en_US.UTF-8: code page 1252). It starts Xvfb and
# ends it again by its process id, and ends the Wine processes it left in its prefix.
# Exits 77 (skipped) for a 32-bit program where the kernel cannot run one.
# Usage: run-on-display.sh LOCALE PROGRAM [ARGUMENT...]
# DOVA_SCREEN sizes the virtual display (default 1024x768x24); a form at 200 % needs more.
set -u
repo_root=$(cd "$(dirname "$0")/../.." && pwd)
export LC_ALL="$1"
shift
. "$repo_root/tools/wine-env.sh"
if is_32bit_exe "$1" && ! wine_runs_32bit; then
  echo "skipped: this machine cannot run 32-bit programs (no 32-bit Wine loader)" >&2
  exit 77
fi
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${DOVA_SCREEN:-1024x768x24}" -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
cleanup() {
  # Wine processes drawing on this display go first, then the display itself.
  "$wineserver" -k 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -f "$display_file"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb writes its display number once it takes connections.
tries=0
until [ -s "$display_file" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")"

"$WINELOADER" "$@"
