#!/usr/bin/env bash
# Proves that the generator draws the same bytes on every run and that the pictures in the
# tree (assets/pictures, assets/znakovit.ico, docs/contact-sheet*.png and the browser edition's
# icons in packaging/web/icons) are exactly what it draws.
#
#   tools/check-deterministic.sh [GENERATOR]
#
# GENERATOR defaults to build-gen/tools/znakovit_generator; see tools/README.md to build it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
generator="${1:-$root/build-gen/tools/znakovit_generator}"
if [ ! -x "$generator" ]; then
    echo "no generator at $generator: build it first (tools/README.md)" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
for run in first second; do
    "$generator" --ico "$work/$run/znakovit.ico" --sheet "$work/$run/docs" \
        --web "$work/$run/web" "$work/$run/pictures" >/dev/null
done

status=0
same() { # same FILE_A FILE_B WHAT
    if ! cmp -s "$1" "$2"; then
        echo "differs: $3"
        status=1
    fi
}

count=0
# same_folder DRAWN KEPT: every picture drawn into DRAWN alike in both runs and in KEPT, and
# nothing in KEPT that was not drawn.
same_folder() {
    local drawn kept name
    for drawn in "$work/first/$1"/*.png; do
        name="$(basename "$drawn")"
        same "$drawn" "$work/second/$1/$name" "$2/$name between two runs"
        same "$drawn" "$root/$2/$name" "$2/$name against the tree"
        count=$((count + 1))
    done
    for kept in "$root/$2"/*.png; do
        if [ ! -e "$work/first/$1/$(basename "$kept")" ]; then
            echo "not drawn by the generator: $2/$(basename "$kept")"
            status=1
        fi
    done
}
same_folder pictures assets/pictures
same_folder web packaging/web/icons
same "$work/first/znakovit.ico" "$work/second/znakovit.ico" "znakovit.ico between two runs"
same "$work/first/znakovit.ico" "$root/assets/znakovit.ico" "assets/znakovit.ico against the tree"
for sheet in contact-sheet.png contact-sheet@2x.png; do
    same "$work/first/docs/$sheet" "$work/second/docs/$sheet" "docs/$sheet between two runs"
    if [ -e "$root/docs/$sheet" ]; then
        same "$work/first/docs/$sheet" "$root/docs/$sheet" "docs/$sheet against the tree"
    fi
done

if [ "$status" -eq 0 ]; then
    echo "deterministic: $count pictures (the browser edition's icons among them), the icon and the contact sheets match the tree"
fi
exit "$status"
