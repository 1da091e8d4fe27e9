#!/usr/bin/env bash
# Tries the Windows build under Wine on an X display (a virtual one when there is none):
#   1. every test suite (CTest, through wine-test.sh);
#   2. znakovit.exe: its window shows, is photographed, and closes by its close box;
#   3. the installer: silent install, the installed program started and closed, silent
#      uninstall, and nothing left behind.
#   check-wine.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(realpath "$1")
screenshot=${2:-$build/screenshot-windows.png}
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")

# Room for the window at twice the density (2380 x 1104), as one suite shows it.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2560x1440x24" "${BASH_SOURCE[0]}" "$build" "$screenshot"
fi
source "$here/wine.sh"
wine_prefix "$build/wine"
drive_c="$WINEPREFIX/drive_c"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 60 s for the program's window; prints its X id.
window_of() {
    local pid=$1 id=
    for _ in $(seq 120); do
        id=$(xdotool search --onlyvisible --class znakovit.exe 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
        sleep 0.5
    done
    [ -n "$id" ] || fail "no window of the program within 60 s"
    echo "$id"
}

# Clicks the close box at the right end of the title bar (Windows draws it, 14 px from the
# right edge and 12 px from the top of the frame); the program must then end.
close_by_close_box() {
    # shellcheck disable=SC2034 # xdotool sets them all
    local id=$1 pid=$2 WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + WIDTH - 14)) $((Y + 12)) click 1
    for _ in $(seq 40); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.5
    done
    kill "$pid"
    fail "the program did not end when its close box was clicked"
}

echo "== the test suites under Wine"
started=$SECONDS
# One Wine session for all the suites, up with Wine's own programs before the first suite
# starts (rather than started by whichever two suites come first), ended after the last.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure --parallel 2 --timeout 300 || {
    wineserver -k
    exit 1
}
wineserver -k
wineserver --wait
echo "The test suites took $((SECONDS - started)) s under Wine"

echo "== znakovit.exe under Wine"
wine "$build/znakovit.exe" &
pid=$!
id=$(window_of "$pid")
sleep 2 # the first paint
eval "$(xdotool getwindowgeometry --shell "$id")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
echo "The window: ${WIDTH}x${HEIGHT} with its frame; screenshot: $screenshot"
close_by_close_box "$id" "$pid"
wait "$pid" || fail "znakovit.exe ended with status $?"

echo "== the installer under Wine"
installer=$(ls "$build"/Znakovit-*-win64.exe)
installed="$drive_c/Program Files/Znakovit"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Знаковит/Знаковит.lnk"
# The entry in Apps & features, as Wine keeps it on disk (other letters as \x escapes).
entry() {
    wineserver --wait
    sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Znakovit\]/,/^$/p' \
        "$WINEPREFIX/system.reg"
}
# The files of drive C: and the registry's keys, before and after.
snapshot() {
    wineserver --wait
    (cd "$drive_c" && find . -path ./windows -prune -o -print)
    sed -n 's/^\(\[.*\]\) [0-9]*$/\1/p' "$WINEPREFIX"/system.reg "$WINEPREFIX"/user.reg
}
before=$(mktemp)
trap 'rm -f "$before"' EXIT
snapshot | sort >"$before"

wine "$installer" /S
[ -f "$installed/znakovit.exe" ] || fail "the installer put no znakovit.exe into Program Files"
[ -f "$installed/Uninstall.exe" ] || fail "the installer put no uninstaller beside the program"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut"
entry | grep -qF '"DisplayName"="\x417\x43d\x430\x43a\x43e\x432\x438\x442"' ||
    fail "no Apps & features entry named Знаковит"
entry | grep -qF '"DisplayIcon"="C:\\Program Files\\Znakovit\\znakovit.exe"' ||
    fail "the Apps & features entry shows no icon"
entry | grep -qF 'Uninstall.exe' || fail "the Apps & features entry has no uninstaller"

wine "C:\\Program Files\\Znakovit\\znakovit.exe" &
pid=$!
id=$(window_of "$pid")
close_by_close_box "$id" "$pid"
wait "$pid" || fail "the installed znakovit.exe ended with status $?"

# The uninstaller runs a copy of itself from the temporary folder and returns at once.
wine "C:\\Program Files\\Znakovit\\Uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$installed" ] || break
    sleep 1
done
wineserver --wait
[ ! -e "$installed" ] || fail "the uninstaller left $installed"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
[ -z "$(entry)" ] || fail "the uninstaller left the Apps & features entry"
left=$(snapshot | sort | comm -13 "$before" - | grep -v '/Temp\(/\|$\)' || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
echo "Installed, started, closed and uninstalled under Wine; nothing left behind"
