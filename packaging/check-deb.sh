#!/bin/sh
# Checks the .deb made by CPack: its declared dependencies, the tree it unpacks, that
# the program it holds finds its libraries and starts (offscreen, ended after 3 s), and
# what a distribution checks: lintian (no error, no warning; the notes it prints are
# informational) and the AppStream metainfo under appstreamcli's pedantic validation.
#   check-deb.sh PACKAGE.deb APP_ID "SIZES"
set -eu
deb=$1 id=$2 sizes=$3

fail=0
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    case ", $depends" in
    *", $lib "* | *", $lib,"* | *", $lib") ;;
    *) echo "FAIL: the package does not depend on $lib"; fail=1 ;;
    esac
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
sh "$(dirname "$0")/check-tree.sh" "$root" "$id" "$sizes" || fail=1

if ldd "$root/usr/bin/znakovit" | grep 'not found'; then
    echo "FAIL: the program misses libraries"
    fail=1
fi
# The program runs until its window is closed: still running after 3 s is a good start.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/znakovit" || status=$?
if [ "$status" -ne 124 ]; then
    echo "FAIL: the unpacked program ended with status $status before it was stopped"
    fail=1
fi

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --display-info "$deb" || {
        echo "FAIL: lintian flags the package"
        fail=1
    }
else
    echo "FAIL: lintian is missing (Debian package lintian)"
    fail=1
fi
appstreamcli validate --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" || fail=1

[ "$fail" -ne 0 ] || echo "PASS: $deb"
exit "$fail"
