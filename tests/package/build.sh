#!/bin/sh
# Builds the Debian package with debhelper from the files of a checkout
# (committed or not, never its build folders), in a folder of its own.
# Usage: build.sh <source folder> <output folder>; the .deb lands there.
set -eu
source=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
tree=$out/corvalesta-$version
rm -rf "$tree"
mkdir -p "$tree"
(cd "$source" && git ls-files -co --exclude-standard -z | xargs -0 tar -cf - --no-recursion) |
    tar -xf - -C "$tree"
cd "$tree"
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc >"$out/build.log" 2>&1 ||
    { tail -50 "$out/build.log"; exit 1; }
rm -rf "$tree"
ls "$out"/corvalesta_"$version"_*.deb
