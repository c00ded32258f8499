# Sourced by the scripts that run the programs under Wine: the environment,
# a prepared Wine prefix, a display and the Japanese locale.
# Expects ROOT (the checkout) and BUILD (the build folder).

export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64          # children such as Notepad need it
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
WINE=/usr/lib/wine/wine64

prepare_wine_prefix() {
    if [ -f "$WINEPREFIX/.prepared" ]; then
        return 0
    fi
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    # Without a window manager every closed window would cost about 2 s.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Debian's Wine does not find its own fonts: give them to the prefix.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Drive D: is reported as a CD-ROM drive (the tests map it to a folder).
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.prepared"
}

# Starts Xvfb when no X display answers; XVFB_PID is set when we started one.
start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local fifo="$BUILD/xvfb.display"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

stop_display() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# Japanese mode needs code page 932: a ja_JP locale generated into the build
# folder, used with LOCPATH=... LANG=ja_JP.UTF-8 (the system is not touched).
prepare_japanese_locale() {
    if [ ! -d "$BUILD/locale/ja_JP.UTF-8" ]; then
        mkdir -p "$BUILD/locale"
        localedef -i ja_JP -f UTF-8 "$BUILD/locale/ja_JP.UTF-8" >/dev/null 2>&1 || true
    fi
}
