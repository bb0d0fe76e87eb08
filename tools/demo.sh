#!/bin/sh
# The main job on a fresh machine: builds the installer, packs the demo package into
# build/demo/DUVOVAV.DAT beside a stand-in A51.EXE, and installs it with the console
# installer. Then, where the window program is built, it shows the installer window
# under Wine on the same package (see tools/demo-window.sh).
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target dova-setup dova-pack

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/C51/BIN"
echo "stand-in for the assembler" > "$demo/C51/BIN/A51.EXE"
# DOVA.BAT is record 0: it goes beside A51.EXE, the rest into DINC.
build/native/bin/dova-pack create "$demo/DUVOVAV.DAT" demo/package/DOVA.BAT \
  demo/package/REG51.INC demo/package/延时.INC demo/package/说明.TXT
build/native/bin/dova-pack list "$demo/DUVOVAV.DAT"

(cd "$demo" && ../native/bin/dova-setup --silent C51/BIN/A51.EXE)
echo "installed:"
find "$demo/C51" | sort

if [ -f tools/demo-window.sh ]; then
  sh tools/demo-window.sh
fi
