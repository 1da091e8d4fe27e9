#!/bin/sh
# Checks an installed tree of Знаковит: the program, the desktop entry, the icon at every
# size and the AppStream metainfo, the last ones with desktop-file-validate and appstreamcli.
#   check-tree.sh ROOT APP_ID "SIZES"      (ROOT holds usr/)
set -eu
root=$1 id=$2 sizes=$3

fail=0
need() {
    if [ ! -s "$root/$1" ]; then
        echo "FAIL: missing or empty: $1"
        fail=1
    fi
}
need usr/bin/znakovit
[ -x "$root/usr/bin/znakovit" ] || { echo "FAIL: usr/bin/znakovit is not executable"; fail=1; }
need "usr/share/applications/$id.desktop"
need "usr/share/metainfo/$id.metainfo.xml"
for n in $sizes; do
    icon="usr/share/icons/hicolor/${n}x$n/apps/$id.png"
    need "$icon"
    # A PNG's width and height are big-endian words at bytes 16 and 20.
    if [ -s "$root/$icon" ]; then
        got=$(od -An -tu1 -j16 -N8 "$root/$icon" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
        [ "$got" = "${n}x$n" ] || { echo "FAIL: $icon is $got"; fail=1; }
    fi
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail=1
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail=1
# The tree as a software centre reads it: metainfo, desktop entry and icon found together.
appstreamcli validate-tree --no-net "$root" || fail=1

[ "$fail" -ne 0 ] || echo "PASS: the tree in $root is complete and valid"
exit "$fail"
