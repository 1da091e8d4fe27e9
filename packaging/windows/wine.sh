# Wine for trying the Windows build on Linux: a private prefix, so that the user's own
# ~/.wine stays untouched, where Arial and Times New Roman are the Liberation fonts
# (their metric twins), as a Windows machine would have them. No font is copied anywhere.
# shellcheck shell=bash

# Makes (once) and selects the prefix in the given folder.
wine_prefix() {
    local lock
    export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko download offer: the program needs neither.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/.znakovit" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Test programs run side by side: one makes the prefix while the others wait.
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    if [ -f "$WINEPREFIX/.znakovit" ]; then
        exec {lock}>&-
        return 0
    fi
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    # Wine's own fonts (fonts-wine: Tahoma for title bars, Marlett for their buttons), which
    # Debian's Wine leaves out of a new prefix.
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    local key='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$key" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
    wine reg add "$key" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
    # Windows draws the title bar with its close box, whether or not a window manager runs.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX/.znakovit"
    exec {lock}>&-
}

# Says, in one sentence, how to run under a virtual display when there is no display here.
wine_needs_display() {
    if [ -z "${DISPLAY:-}" ]; then
        echo "There is no X display here for Wine; run it under a virtual one: xvfb-run -a -s '-screen 0 2560x1440x24' $*" >&2
        exit 1
    fi
}
