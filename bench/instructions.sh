#!/usr/bin/env bash
# Counts the instructions of one start, from exec to exit, of the program's start path and
# of the bare window, under callgrind on the offscreen platform. Unlike times, the counts
# repeat exactly whatever else the machine is doing, so they show what a change gains.
#   bench/instructions.sh PROBE [PROBE...]    (PROBE: a znakovit_startup_probe)
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: bench/instructions.sh PROBE [PROBE...]" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is missing (Debian package valgrind)" >&2; exit 1; }

count() { # PROBE MODE
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null \
        "$1" "$2" 2>&1 | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

bare=$(count "$1" bare)
printf '%-12s %14s %8s\n' "" "instructions" "x bare"
printf '%-12s %14s %8s\n' bare "$bare" 1.00
n=0
for probe in "$@"; do
    n=$((n + 1))
    window=$(count "$probe" window)
    label=window
    [ $# -eq 1 ] || label="window$n"
    printf '%-12s %14s %8s   %s\n' "$label" "$window" \
        "$(awk -v a="$window" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')" "$probe"
done
