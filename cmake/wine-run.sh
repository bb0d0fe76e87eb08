#!/bin/sh
# Runs a Windows executable under Wine with the project's private prefix.
repo_root=$(cd "$(dirname "$0")/.." && pwd)
. "$repo_root/tools/wine-env.sh"
exec wine "$@"
