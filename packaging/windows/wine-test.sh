#!/usr/bin/env bash
# Runs one Windows test program under Wine (CTest's emulator for the Windows build):
# on the Windows platform of an X display, since Qt's offscreen platform does not finish
# under Wine, with QTest's report written to a file and then shown.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

program=$1
shift
wine_needs_display ctest
wine_prefix "${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/znakovit/wine}"

report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
status=0
QT_QPA_PLATFORM=windows wine "$program" "$@" -o "Z:${report//\//\\},txt" || status=$?
cat "$report"
exit "$status"
