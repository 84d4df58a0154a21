#!/usr/bin/env bash
# The shipped DLL carries no debug sections and no symbol table; both sit in DLL.debug beside
# it, named by the DLL's .gnu_debuglink. Prints both sizes.
# Usage: dll-sections.sh OBJDUMP DLL
set -euo pipefail
objdump=$1 dll=$2
[[ -f $dll.debug ]] || { echo "no $dll.debug beside the DLL"; exit 1; }
sections=$("$objdump" -h "$dll")
debug=$(awk '$2 ~ /^\.debug/ {print $2}' <<<"$sections")
echo "$(basename "$dll"): $(stat -c %s "$dll") bytes;" \
    "$(basename "$dll").debug: $(stat -c %s "$dll.debug") bytes"
if [[ -n $debug ]]; then
    echo "debug sections in the shipped DLL: $(tr '\n' ' ' <<<"$debug")"
    exit 1
fi
grep -q '\.gnu_debuglink' <<<"$sections" || { echo "no .gnu_debuglink to the symbols"; exit 1; }
"$objdump" -t "$dll" | grep -qx 'no symbols' || { echo "a symbol table in the shipped DLL"; exit 1; }
"$objdump" -h "$dll.debug" | grep -q '\.debug_info' || { echo "$dll.debug holds no symbols"; exit 1; }
