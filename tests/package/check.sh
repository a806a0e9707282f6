#!/bin/sh
# Builds the Debian package from a build folder and checks it as Debian's own
# tools do: lintian (no errors, no warnings), the AppStream data and the
# desktop entry. Usage: check.sh <build folder> <source folder>. 77: skipped.
set -u
build=$1
source=$2
for tool in cpack dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
status=0
dpkg-deb -f "$deb" Depends | grep -q fonts-liberation2 || { echo "FAIL: no fonts-liberation2"; status=1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "FAIL: no Qt from shlibdeps"; status=1; }
# The computer's record: the writer, and the scripts that make the folder.
dpkg-deb -c "$deb" | grep -q " \./usr/lib/corvalesta/corvalesta-record$" ||
    { echo "FAIL: no record writer"; status=1; }
for script in postinst postrm; do
    body=$(dpkg-deb -I "$deb" "$script") && printf '%s\n' "$body" | sh -n ||
        { echo "FAIL: $script"; status=1; }
done
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" >"$out/lintian.log"
cat "$out/lintian.log"
grep -q "^[EW]:" "$out/lintian.log" && status=1
appstreamcli validate --no-net "$source/app/desktop/org.example.corvalesta.metainfo.xml" || status=1
desktop-file-validate "$source/app/desktop/org.example.corvalesta.desktop" 2>&1 |
    grep -v "more than one main category" | grep . && status=1
[ "$status" = 0 ] && echo "PASS: $(basename "$deb")"
exit $status
