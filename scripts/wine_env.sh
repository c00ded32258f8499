# Sourced by the scripts that run the programs under Wine: the environment,
# a prepared Wine prefix, a display, the Japanese locale and the probe of
# Wine's 32-bit support. Expects ROOT (the checkout) and BUILD (the build folder).

export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64          # children such as Notepad need it
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
WINE=/usr/lib/wine/wine64
WINE32_LOADER=/usr/lib/wine/wine                # Wine's 32-bit support (package wine32:i386)

# What a prepared prefix holds; a prefix of an older preparation is made anew.
PREFIX_PREPARATION="3: managed off, fonts, cdrom d:, Japanese caption font, 32-bit files"

# The 32-bit loader runs: the package is there and the kernel executes i386 code.
wine32_loader_runs() {
    [ -x "$WINE32_LOADER" ] && "$WINE32_LOADER" --version >/dev/null 2>&1
}

prepare_wine_prefix() {
    local marker="$WINEPREFIX/.prepared"
    if [ -f "$marker" ] && [ "$(cat "$marker")" = "$PREFIX_PREPARATION" ]; then
        # a prefix made before Wine's 32-bit support was installed lacks its system files
        if ! wine32_loader_runs || [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
            return 0
        fi
    fi
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    # Without a window manager every closed window would cost about 2 s.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Debian's Wine does not find its own fonts: give them to the prefix.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Captions are drawn in Tahoma, which has no Japanese glyphs; Wine links
    # Tahoma to "MS UI Gothic" for the missing ones, as Windows does. That font
    # is not here: IPA Gothic (fonts-ipafont-gothic) stands in for it.
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAGothic /f >/dev/null 2>&1
    # Drive D: is reported as a CD-ROM drive (the tests map it to a folder).
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom /f >/dev/null 2>&1
    "$WINESERVER" -w
    echo "$PREFIX_PREPARATION" >"$marker"
}

# Tells whether this machine runs 32-bit Windows programs under Wine. Prints
# the reason and fails when it cannot: no 32-bit Wine, a kernel that does not
# execute 32-bit code, or a prefix without the 32-bit system files. A program
# of ours that fails is not this probe's business: that is a test failure.
probe_32bit_support() {
    if [ ! -x "$WINE32_LOADER" ]; then
        echo "Wine's 32-bit support (wine32:i386) is not installed"
        return 1
    fi
    local error
    if ! error=$("$WINE32_LOADER" --version 2>&1 >/dev/null); then
        echo "this machine cannot run 32-bit code: the 32-bit Wine loader cannot be executed (${error:-no message})"
        return 1
    fi
    if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "this machine cannot run 32-bit code: the Wine prefix has no 32-bit system files"
        return 1
    fi
}

# Starts Xvfb when no X display answers; XVFB_PID is set when we started one.
start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    start_own_display
}

# Starts an Xvfb of our own on a free display number.
start_own_display() {
    local fifo
    fifo=$(mktemp -u "$BUILD/xvfb.XXXXXX")
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
