# Sourced, with repo_root set, by the scripts that start Wine: a private prefix and a
# compiled zh_CN.UTF-8 locale (Wine converts arguments and Unix file names with the C
# library's locale). The code page follows LC_ALL: zh_CN.UTF-8 gives 936, en_US.UTF-8 1252.
export WINEPREFIX="${DOVA_WINEPREFIX:-$repo_root/build/wine-prefix}"
export LOCPATH="${DOVA_LOCPATH:-$repo_root/build/locale}"
export WINEDEBUG=-all
export LC_ALL="${LC_ALL:-zh_CN.UTF-8}"
if [ ! -f "$WINEPREFIX/.dova-ready" ]; then
  sh "$repo_root/tools/wine-prefix.sh" >&2 || exit 1
fi
