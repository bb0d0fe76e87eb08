# Sourced, with repo_root set, by the scripts that start Wine: a private prefix and a
# compiled zh_CN.UTF-8 locale (Wine converts arguments and Unix file names with the C
# library's locale). The code page follows LC_ALL: zh_CN.UTF-8 gives 936, en_US.UTF-8 1252.
export WINEPREFIX="${DOVA_WINEPREFIX:-$repo_root/build/wine-prefix}"
export LOCPATH="${DOVA_LOCPATH:-$repo_root/build/locale}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${LC_ALL:-zh_CN.UTF-8}"
# Debian's wine wrapper prefers the 32-bit loader even where the kernel cannot run
# 32-bit programs; the 64-bit loader runs 64-bit programs everywhere.
export WINELOADER=/usr/lib/wine/wine64
[ -x "$WINELOADER" ] || WINELOADER=$(command -v wine)
if [ ! -f "$WINEPREFIX/.dova-ready" ]; then
  sh "$repo_root/tools/wine-prefix.sh" >&2 || exit 1
fi

# True when this machine can run 32-bit Windows programs under Wine: that needs the
# 32-bit loader, and so a kernel that runs 32-bit Linux programs.
wine_runs_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# True when the file is a 32-bit (i386) Windows program.
is_32bit_exe() {
  # The PE header's machine field: 0x14c is i386.
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ')
  [ "$machine" = "014c" ]
}
