#!/bin/sh
# Runs a Windows executable under Wine with the project's private prefix. Exits 77
# (CTest's "skipped") for a 32-bit program on a machine whose kernel cannot run the
# 32-bit Wine loader, so such a machine reports the tests as not run, never as passed.
repo_root=$(cd "$(dirname "$0")/.." && pwd)
. "$repo_root/tools/wine-env.sh"
if is_32bit_exe "$1" && ! wine_runs_32bit; then
  echo "skipped: this machine cannot run 32-bit programs (no 32-bit Wine loader)" >&2
  exit 77
fi
exec "$WINELOADER" "$@"
