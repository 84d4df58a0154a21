#!/usr/bin/env bash
# The package set-up of the README's commands on a machine that lacks tools: PATH holds only
# stand-ins for the tools a case has, and for apt-get when it may install.
# Usage: packages-test.sh REPOSITORY
set -uo pipefail
repo=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

stubs() {  # stubs <name>...: a PATH folder where each name is a command that succeeds
    local bin=$dir/bin-$RANDOM name
    mkdir -p "$bin"
    for name in "$@"; do
        if [[ $name == dirname ]]; then
            ln -s "$(command -v dirname)" "$bin/$name"
            continue
        elif [[ $name == apt-get ]]; then
            printf '#!/bin/sh\necho "$*" >>"%s/apt.log"\n' "$dir" >"$bin/$name"
        else
            printf '#!/bin/sh\nexit 0\n' >"$bin/$name"
        fi
        chmod +x "$bin/$name"
    done
    echo "$bin"
}

# check <name> <expected exit> <expected output, a pattern> <apt-get log> <PATH> <command...>
check() {
    local name=$1 want_rc=$2 want_out=$3 want_log=$4 path=$5
    shift 5
    rm -f "$dir/apt.log"
    local out rc=0
    out=$(PATH=$path "$@" 2>&1) || rc=$?
    local log
    log=$(cat "$dir/apt.log" 2>/dev/null)
    # shellcheck disable=SC2053  # the expected output is a pattern
    if [[ $rc != "$want_rc" || $out != $want_out || $log != "$want_log" ]]; then
        echo "FAILED $name: exit $rc (want $want_rc)"
        echo "  output: $out"
        echo "  want:   $want_out"
        echo "  apt-get: $log (want: $want_log)"
        failed=1
    else
        echo "ok $name"
    fi
}

setup="source $repo/tools/packages.sh && mdvr_install_missing"
if ((EUID == 0)); then
    cannot="apt-get is not available to install them"
    installs=0 install_out="installing missing packages: cmake wine"
    install_log=$'update\ninstall -y cmake wine'
else
    cannot="run as root to install them"
    installs=1 install_out="missing packages: cmake wine ($cannot)" install_log=
fi

check "all there" 0 "" "" "$(stubs cmake ninja wine apt-get)" \
    /bin/bash -c "$setup cmake ninja-build wine libasio-dev"
check "missing, no apt-get" 1 "missing packages: cmake wine ($cannot)" "" "$(stubs ninja)" \
    /bin/bash -c "$setup cmake ninja-build wine libasio-dev"
check "missing, apt-get there" "$installs" "$install_out" "$install_log" \
    "$(stubs ninja apt-get)" /bin/bash -c "$setup cmake ninja-build wine"
# The test command stops at once with the one line, before it builds anything.
check "run-tests.sh without tools" 1 "missing packages: cmake ninja-build g++ clang * ($cannot)" \
    "" "$(stubs dirname)" /bin/bash "$repo/tools/run-tests.sh"
exit $failed
