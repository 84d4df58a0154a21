#!/usr/bin/env bash
# Runs a Windows test executable under wine with a time limit (ctest's cross-compiling emulator).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec timeout "${MDVR_WINE_TIMEOUT:-120}" wine "$@"
