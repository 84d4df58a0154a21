#!/usr/bin/env bash
# Runs a command (typically ctest of the mingw-x64 build) inside a prepared wine environment:
# Xvfb on a free display, a fresh prefix under the build tree, fonts and registry settings that
# make Chinese text render, the wine services started first with their output redirected (they
# inherit the first wine process's stderr and would hold a test runner's pipe open), and
# 'wineserver -k' plus Xvfb shut down afterwards whatever the command's outcome.
# Usage: tools/wine-env.sh <build-dir> <command...>
set -euo pipefail

if (($# < 2)); then
    echo "usage: $0 <build-dir> <command...>" >&2
    exit 2
fi
BUILD_DIR=$(cd "$1" && pwd)
shift

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$BUILD_DIR/wine-prefix
export WINEARCH=win64
LOG=$BUILD_DIR/wine-env.log
XVFB_PID=

start_xvfb() {  # the first display number with no X server and no lock file
    local n
    for n in $(seq 90 140); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >>"$LOG" 2>&1 &
        XVFB_PID=$!
        sleep 0.5
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "wine-env: no free X display" >&2
    return 1
}

write_font_registry() {  # UTF-16LE with BOM: 'wine reg import' needs it for the Chinese names
    local faces=("MS Shell Dlg" "MS Shell Dlg 2" SimSun NSimSun 宋体 新宋体 "Microsoft YaHei"
                 微软雅黑 SimHei 黑体) link face reg=$WINEPREFIX/mdvr-fonts.reg
    link='hex(7):77,00,71,00,79,00,2d,00,6d,00,69,00,63,00,72,00,6f,00,68,00,65,00,69,00,2e,00,74,00,74,00,63,00,2c,00,57,00,65,00,6e,00,51,00,75,00,61,00,6e,00,59,00,69,00,20,00,4d,00,69,00,63,00,72,00,6f,00,20,00,48,00,65,00,69,00,00,00,00,00'
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for face in "${faces[@]}"; do printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"; done
        printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
        for face in Tahoma "Tahoma Bold" "DejaVu Sans" "DejaVu Sans Bold"; do
            printf '"%s"=%s\r\n' "$face" "$link"
        done
        # Without a window manager wine otherwise waits about 2 s per GUI program.
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
        # A crashing test prints a backtrace and ends instead of waiting on a crash dialog.
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine reg import "$reg" >>"$LOG" 2>&1
}

prepare_prefix() {  # fresh each run: no state leaks from an earlier one
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p >>"$LOG" 2>&1
    wine wineboot --init >>"$LOG" 2>&1
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts"/ 2>/dev/null || true
    write_font_registry
    # Services that wound down meanwhile start again here, not under the command's pipes.
    wine wineboot >>"$LOG" 2>&1
}

stop_all() {
    wineserver -k >>"$LOG" 2>&1 || true
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

: >"$LOG"
trap stop_all EXIT
start_xvfb
prepare_prefix
set +e
"$@"
status=$?
set -e
exit "$status"
