#!/usr/bin/env bash
# Writes docs/screenshot.png: the window in its start state, on a virtual screen of
# exactly its size. Needs xvfb and imagemagick; run after building into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program="${1:-$top/build/znakovit}"
out="$top/docs/screenshot.png"

xvfb-run -a -s "-screen 0 1190x552x24" bash -c '
    "$1" & pid=$!
    sleep 2
    import -window root "$2"
    kill "$pid"
' _ "$program" "$out"
echo "wrote $out"
