#!/bin/sh
# Installs, from Debian's packages only, whatever the build, the tests and the demo
# need and this machine lacks. Does nothing when everything is there.
set -eu

packages="cmake make g++ googletest
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 locales xvfb xauth x11-utils imagemagick fonts-wqy-zenhei fonts-arphic-ukai fonts-arphic-uming
  clang libclang-rt-14-dev"
# 32-bit Wine, for the 32-bit Windows tests on machines whose kernel runs 32-bit programs.
packages_i386="wine32:i386"

missing=""
for package in $packages $packages_i386; do
  dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "installing:$missing" >&2
if [ "$(id -u)" != 0 ]; then
  echo "run as root (or install these packages yourself):$missing" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
