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
QT_QPA_PLATFORM=windows wine "$program" "$@" -o "Z:${report//\//\\},txt" &
pid=$!
# Now and then, on a loaded machine, a test program under Wine has been seen not to end after
# its report was complete. Such a program is given 60 s once its report ends, then stopped,
# and its result is read from the report's totals.
while kill -0 "$pid" 2>/dev/null && ! grep -q '^\*\+ Finished testing' "$report"; do
    sleep 0.2
done
for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
status=0
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" || true
    echo "Note: Wine did not end $(basename "$program") within 60 s of its complete report; the result is the report's" >&2
    failed=$(sed -n 's/^Totals: [0-9]* passed, \([0-9]*\) failed.*/\1/p' "$report")
    status=${failed:-1}
else
    wait "$pid" || status=$?
fi
cat "$report"
exit "$status"
