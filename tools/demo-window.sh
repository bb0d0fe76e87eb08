#!/bin/sh
# The installer window on the demo package under Wine: yours to use where a display is
# set, else on a virtual display, leaving a screenshot in build/window.png.
set -eu
cd "$(dirname "$0")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target dova-setup dova-window-driver
sh tests/gui/show-window.sh build/win64 build/demo C51/BIN/A51.EXE build/window.png
